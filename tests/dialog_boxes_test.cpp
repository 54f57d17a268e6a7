// The letter-entry box offscreen.
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "ui/capitals_validator.h"
#include "ui/letter_entry_dlg.h"
#include "words/cp1252.h"

namespace escartinol {

class DialogBoxesTest : public QObject {
    Q_OBJECT

private slots:
    // Keys reach the letter box's rule (core-tested): ß is SS, É has no tile, eight letters are too few.
    void typedKeysBecomeTheCapitalsOkJudges() {
        for (const auto& [typed, enabled] :
             {std::pair{"stra\u00DFenbau", true}, {"abcd\u00E9fghi", false}, {"ABCDEFGH", false}, {"", false}}) {
            CLetterEntryDlg box;
            for (const QChar c : QString::fromUtf8(typed))  // with its text: keyClicks types no accent
                QTest::sendKeyEvent(QTest::Click, &box.Edit(), Qt::Key(c.toUpper().unicode()), c, {});
            QCOMPARE(QString::fromStdString(Cp1252ToUtf8(box.EnteredText())), QString::fromUtf8(typed).toUpper());
            QVERIFY2(box.OkButton().isEnabled() == enabled, typed);
        }
    }

    // The entry does not scroll: a paste keeps the whole characters that fit, nine of the widest letter.
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
            QVERIFY(edit.fontMetrics().horizontalAdvance(pasted.toUpper().left(next)) > room &&
                    !edit.text().back().isHighSurrogate());
            QVERIFY(edit.fontMetrics().horizontalAdvance(edit.text()) <= room && room <= edit.width() - 4);
            QVERIFY2(box.OkButton().isEnabled(), qPrintable(pasted));
        }
    }
};

}  // namespace escartinol

QTEST_MAIN(escartinol::DialogBoxesTest)
#include "dialog_boxes_test.moc"
