// The letter-entry box and the help box offscreen, alone and opened for real from the game window.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "support/list_folder.h"
#include "ui/capitals_validator.h"
#include "ui/game_window.h"
#include "ui/help_dlg.h"
#include "ui/letter_entry_dlg.h"
#include "words/cp1252.h"

namespace escartinol {
namespace {

// Answers a modal box as soon as it is open; exec() blocks until the answer has closed it.
void WhenModalOpens(const std::function<void(QWidget&)>& answer) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            poll->deleteLater();
            poll->stop();
            answer(*box);
        }
    });
    QTimer::singleShot(0, poll, [poll] { poll->start(5); });
}

}  // namespace

class DialogBoxesTest : public QObject {
    Q_OBJECT

private slots:
    // Keys typed in the box reach the letter box's rule (tested in the core) and OK follows it: a ß
    // typed key by key becomes SS with what follows after both; an accented capital has no tile.
    void typedKeysBecomeTheCapitalsOkJudges() {
        const std::pair<const char*, bool> entries[] = {
            {"stra\u00DFenbau", true},
            {"abcd\u00E9fghi", false},
            {"ABCDEFGH", false},
        };
        for (const auto& [typed, enabled] : entries) {
            CLetterEntryDlg box;
            // Key by key with its text, since keyClicks cannot type an accented letter.
            for (const QChar c : QString::fromUtf8(typed))
                QTest::sendKeyEvent(QTest::Click, &box.Edit(), Qt::Key(c.toUpper().unicode()), c, Qt::NoModifier);
            QCOMPARE(QString::fromStdString(Cp1252ToUtf8(box.EnteredText())), QString::fromUtf8(typed).toUpper());
            QVERIFY2(box.OkButton().isEnabled() == enabled, typed);
        }
    }

    void entryBoxTakesTypingAtOnceUntilCancelled() {
        CLetterEntryDlg box;
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QVERIFY(box.windowFlags() & Qt::WindowCloseButtonHint);  // the window manager's close cancels
        QCOMPARE(box.size(), QSize(251, 73));
        QCOMPARE(box.Edit().geometry(), QRect(15, 23, 176, 23));
        QCOMPARE(QApplication::focusWidget(), &box.Edit());
        QVERIFY(box.Edit().alignment() & Qt::AlignHCenter);
        // Enter does nothing while OK is disabled.
        QTest::keyClicks(&box.Edit(), "abcdefgh");
        QTest::keyClick(&box.Edit(), Qt::Key_Return);
        QVERIFY(box.isVisible());
        QTest::keyClick(&box.Edit(), Qt::Key_Escape);
        QVERIFY(!box.isVisible());
        QCOMPARE(box.result(), int(QDialog::Rejected));
        QCOMPARE(box.EnteredText(), std::string("ABCDEFGH"));
    }

    // The entry does not scroll, so the rule's cut is measured in the edit's own font and room: a long
    // paste keeps its start up to the edge, and nine of the widest letter fit.
    void aLongPasteKeepsTheStartThatFits() {
        for (const QString& pasted :
             {QString("tolerians, and then the rest of a long line of text"), QString(60, 'w')}) {
            CLetterEntryDlg box;
            box.show();
            QLineEdit& edit = box.Edit();
            QGuiApplication::clipboard()->setText(pasted);
            QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
            const qsizetype kept = edit.text().size();
            QCOMPARE(edit.text(), pasted.toUpper().left(kept));
            const int room = qobject_cast<const CCapitalsValidator*>(edit.validator())->VisibleTextWidth();
            QVERIFY(edit.fontMetrics().horizontalAdvance(pasted.toUpper().left(kept + 1)) > room);
            QVERIFY(edit.fontMetrics().horizontalAdvance(edit.text()) <= room && room <= edit.width() - 4);
            QVERIFY2(box.OkButton().isEnabled(), qPrintable(pasted));
        }
    }

    // Wrapped in their own font, the texts must not spill out of their places.
    void helpBoxTextsFitTheirPlaces() {
        CHelpDlg box;
        QCOMPARE(box.size(), QSize(387, 286));
        QVERIFY(box.windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(QFontInfo(box.font()).family(), QString("Liberation Sans"));
        const QList<QLabel*> labels = box.findChildren<QLabel*>();
        QCOMPARE(labels.size(), 4);
        for (const QLabel* label : labels) {
            QVERIFY(label->wordWrap());
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->text()));
        }
        auto* legit = box.findChild<QPushButton*>("legitButton");
        QVERIFY(legit->fontMetrics().horizontalAdvance(legit->text()) + 6 <= legit->width());
    }

    void helpBoxClosesWithLegitEnterOrEscape() {
        for (const Qt::Key key : {Qt::Key_unknown, Qt::Key_Return, Qt::Key_Escape}) {  // unknown: click LEGIT
            CHelpDlg box;
            box.show();
            QVERIFY(QTest::qWaitForWindowActive(&box));
            if (key == Qt::Key_unknown)
                QTest::mouseClick(box.findChild<QPushButton*>("legitButton"), Qt::LeftButton);
            else
                QTest::keyClick(&box, key);
            QVERIFY(!box.isVisible());
        }
    }

    // The real boxes, run modally by the buttons of the game window and answered while they block. A
    // mnemonic presses its button visibly, so the click comes a moment later.
    void theWindowsButtonsOpenTheRealBoxesOverIt() {
        testing::CListFolder folder;
        folder.WriteLines(9, {"AEILNORST/tolerians"});
        CGameWindow window(folder.Dir(), 2);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_VERIFY(window.Game().ListsLoaded());

        QRect boxPlace;
        WhenModalOpens([&](QWidget& box) {
            boxPlace = box.geometry();
            QTest::keyClicks(&static_cast<CLetterEntryDlg&>(box).Edit(), "tolerians");
            QTest::keyClick(&box, Qt::Key_Return);
        });
        QTest::keyClick(window.windowHandle(), Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(QString::fromLatin1(window.Game().Letters().data(), 9), QString("AEILNORST"));
        QVERIFY((boxPlace.center() - window.geometry().center()).manhattanLength() <= 2);
        QApplication::setActiveWindow(&window);  // the offscreen platform gives no window the focus back
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(window.windowHandle(), Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(window.findChild<QPlainTextEdit*>("row1")->toPlainText().contains("tolerians"));

        bool helpShown = false;
        WhenModalOpens([&](QWidget& box) {
            helpShown = qobject_cast<CHelpDlg*>(&box) != nullptr;
            QTest::keyClick(&box, Qt::Key_Escape);
        });
        QTest::mouseClick(window.findChild<QPushButton*>("helpButton"), Qt::LeftButton);
        QTRY_VERIFY(helpShown);
        QVERIFY(window.isVisible());
    }
};

}  // namespace escartinol

QTEST_MAIN(escartinol::DialogBoxesTest)
#include "dialog_boxes_test.moc"
