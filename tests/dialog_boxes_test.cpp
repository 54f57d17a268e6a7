// The letter-entry box and the help box offscreen, as the game window opens them.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "ui/capitals_validator.h"
#include "ui/help_dlg.h"
#include "ui/letter_entry_dlg.h"
#include "words/cp1252.h"

namespace escartinol {

class DialogBoxesTest : public QObject {
    Q_OBJECT

private slots:
    // Keys typed at the open box reach the letter box's rule (tested in the core) and OK follows it: a ß
    // becomes SS with what follows after both; an accented capital has no tile; eight letters are too few.
    void typedKeysBecomeTheCapitalsOkJudges() {
        for (const auto& [typed, enabled] :
             {std::pair{"stra\u00DFenbau", true}, {"abcd\u00E9fghi", false}, {"ABCDEFGH", false}, {"", false}}) {
            CLetterEntryDlg box;
            box.show();
            QVERIFY(QTest::qWaitForWindowActive(&box));
            for (const QChar c : QString::fromUtf8(typed))  // with its text: keyClicks types no accent
                QTest::sendKeyEvent(QTest::Click, qApp->focusWidget(), Qt::Key(c.toUpper().unicode()), c, {});
            QCOMPARE(QString::fromStdString(Cp1252ToUtf8(box.EnteredText())), QString::fromUtf8(typed).toUpper());
            QVERIFY2(box.OkButton().isEnabled() == enabled, typed);
        }
    }

    // The entry does not scroll, so a paste is cut at its edge, in its own font, whole characters only: the
    // start that fits stays, and nine of the widest letter fit.
    void aLongPasteKeepsTheStartThatFits() {
        for (const QString& pasted : {"tolerians" + QString::fromUtf8("\U0001F600").repeated(30), QString(60, 'w')}) {
            CLetterEntryDlg box;
            box.show();
            QLineEdit& edit = box.Edit();
            QGuiApplication::clipboard()->setText(pasted);
            QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
            const qsizetype kept = edit.text().size(), next = kept + (pasted[kept].isHighSurrogate() ? 2 : 1);
            QCOMPARE(edit.text(), pasted.toUpper().left(kept));
            const int room = qobject_cast<const CCapitalsValidator*>(edit.validator())->VisibleTextWidth();
            QVERIFY(edit.fontMetrics().horizontalAdvance(pasted.toUpper().left(next)) > room);
            QVERIFY(edit.fontMetrics().horizontalAdvance(edit.text()) <= room && room <= edit.width() - 4);
            QVERIFY2(box.OkButton().isEnabled(), qPrintable(pasted));
        }
    }

    // Wrapped in their own font, the texts must not spill out of their places.
    void helpBoxTextsFitTheirPlaces() {
        CHelpDlg box;
        QCOMPARE(QFontInfo(box.font()).family(), QString("Liberation Sans"));
        for (const QLabel* label : box.findChildren<QLabel*>())
            QVERIFY2(label->wordWrap() && label->heightForWidth(label->width()) <= label->height(),
                     qPrintable(label->text()));
        auto* legit = box.findChild<QPushButton*>("legitButton");
        QVERIFY(legit->fontMetrics().horizontalAdvance(legit->text()) + 6 <= legit->width());
    }
};

}  // namespace escartinol

QTEST_MAIN(escartinol::DialogBoxesTest)
#include "dialog_boxes_test.moc"
