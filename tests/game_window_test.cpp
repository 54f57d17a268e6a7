// The Qt game window offscreen, at scale 1 and 2 (tests/CMakeLists.txt), and the game's command line.
#include "ui/game_window.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/game_options.h"
#include "board/geometry.h"
#include "game/day_boards.h"
#include "support/list_folder.h"
#include "ui/help_dlg.h"
#include "ui/resource_images.h"

namespace escartinol {
namespace {

QRect Slot(int s) { return QRect(SlotRect(s).left, SlotRect(s).top, SlotRect(s).Width(), SlotRect(s).Height()); }
qreal Scale() { return qGuiApp->devicePixelRatio(); }

template <typename T = QWidget>
T* Find(const QWidget& window, const QString& name) {
    return window.findChild<T*>(name);
}
QLabel* Tile(const QWidget& window, int tile) { return Find<QLabel>(window, QString("tile%1").arg(tile)); }

// The letters the tiles show, read back by comparing their images with the 26 letter images.
QString TileLetters(const QWidget& window) {
    QString letters;
    for (int tile = 0; tile < kTileCount; ++tile)
        for (char c = 'A'; c <= 'Z'; ++c)
            if (Tile(window, tile)->pixmap().toImage() == ImageForScale(LetterImagePath(c), Scale()).toImage())
                letters += c;
    return letters;
}

// Answers a modal box once it is open: exec() blocks until the answer has closed it.
void WhenModalOpens(const std::function<void(QWidget&)>& answer) {
    QTimer::singleShot(5, qApp, [answer] {
        QWidget* box = QApplication::activeModalWidget();
        box ? answer(*box) : WhenModalOpens(answer);
    });
}

}  // namespace

class GameWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::CListFolder> m_folder;
    std::unique_ptr<QTemporaryDir> m_state;  // XDG_STATE_HOME, where the score is kept

    // A window on screen whose lists, those of m_folder, are loaded; active when keys must reach it.
    std::unique_ptr<CGameWindow> ShownAndLoaded(std::uint32_t seed = 1, bool active = false) {
        auto window = std::make_unique<CGameWindow>(m_folder->Dir(), seed);
        window->show();
        if (active) QApplication::setActiveWindow(window.get());
        const bool up = active ? QTest::qWaitForWindowActive(window.get()) : QTest::qWaitForWindowExposed(window.get());
        if (!up || !QTest::qWaitFor([&] { return window->Game().ListsLoaded(); })) qFatal("window not up");
        return window;
    }

    Score SavedScore() const {
        QFile file(m_state->filePath("escartinol/score"));
        return file.open(QIODevice::ReadOnly) ? ReadScore(file.readAll().toStdString()) : Score{};
    }

private slots:
    // Without this a run meant for scale 2 that came up at scale 1 would pass without testing anything.
    void initTestCase() { QCOMPARE(Scale(), qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble()); }

    void init() {
        m_folder = std::make_unique<testing::CListFolder>();
        m_state = std::make_unique<QTemporaryDir>();
        qputenv("XDG_STATE_HOME", m_state->path().toLocal8Bit());
    }

    // Pixels from the dialog units, halves rounded up; captions whole, in a smaller font where need be.
    void theWindowIsLaidOutFromItsDialogUnits() {
        const auto window = ShownAndLoaded();
        QVERIFY(window->minimumSize() == QSize(644, 400) && window->maximumSize() == QSize(644, 400));
        for (const QPushButton* button : window->findChildren<QPushButton*>()) {
            const QFontMetrics font = button->fontMetrics();
            QVERIFY2(font.horizontalAdvance(button->text().remove('&')) + 6 <= button->width(),
                     qPrintable(button->text()));
        }
        // The window manager may close the window (Alt+F4, a logout), but not resize it.
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint && !(flags & Qt::WindowMinMaxButtonsHint));
        QCOMPARE(QFontInfo(window->font()).family(), QString("Liberation Sans"));  // not one of other widths
        QCOMPARE(ApplicationIcon().pixmap(QSize(32, 32), Scale()).size(), QSize(32, 32) * Scale());
    }

    // The rows are multi-line, yet Enter there presses "Finit"; the window manager's close ends the game too.
    void enterInARowEscapeOrACloseEndsTheGame() {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_unknown}) {
            auto window = ShownAndLoaded();
            auto* row = Find<QPlainTextEdit>(*window, "row2");
            row->setFocus();
            key == Qt::Key_unknown ? void(window->close()) : QTest::keyClick(row, key);
            QVERIFY(!window->isVisible() && row->toPlainText().isEmpty());
            QCOMPARE(window->result(), int(key == Qt::Key_Return ? QDialog::Accepted : QDialog::Rejected));
        }
    }

    // Without a display, not aborting in Qt: a refusal is one line on standard error naming what it refused.
    void optionsAreAnsweredWithoutADisplay() {
        // clang-format off
        const std::pair<const char*, QString> runs[] = {
            {"--bogus", "bogus"}, {"--lang xx", "'xx'"}, {"stray", "'stray'"}, {"--lists ", "--lists"},
            {"--letters TOLERIAN", "'TOLERIAN'"}, {"--day 2026-02-30", "'2026-02-30'"},
            {"--version", "escartinol "}, {"-v", "escartinol "}, {"--help", "Usage: "}, {"-h", "Usage: "}};
        // clang-format on
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
        for (const auto& [run, named] : runs) {
            const int status = named.endsWith(' ') ? 0 : 2;  // an answer starts with what it names
            QProcess game;
            game.setProcessEnvironment(environment);
            game.start(ESCARTINOL_GAME, QString(run).split(' '));
            QVERIFY(game.waitForFinished(10000));
            const QString out = game.readAllStandardOutput(), err = game.readAllStandardError();
            const QString& said = status ? err : out;
            QVERIFY2(game.exitStatus() == QProcess::NormalExit && game.exitCode() == status &&
                         (status ? out : err).isEmpty() && said.startsWith(status ? "escartinol: " : named) &&
                         said.contains(named) && (status == 0 || said.count('\n') == 1),
                     run);
        }
    }

    // An empty X11 clipboard gives data without a single format, which crashed Qt 6.4's paste.
    void pastingInARowSurvivesAnEmptyClipboard() {
        const auto window = ShownAndLoaded();
        auto* row = Find<QPlainTextEdit>(*window, "row2");
        for (const QString& pasted : {QString(), QString("AB")}) {
            auto* data = new QMimeData;
            if (!pasted.isNull()) data->setText(pasted);
            QGuiApplication::clipboard()->setMimeData(data);
            row->clear();
            QTest::keyClick(row, Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(row, Qt::Key_Insert, Qt::ShiftModifier);
            QCOMPARE(row->toPlainText(), pasted.repeated(2));
        }
    }

    // Nine new letters, in the images of the screen's scale.
    void aDrawShowsNineNewLettersAtTheScreensScale() {
        auto window = ShownAndLoaded(5);
        QTest::mouseClick(Find(*window, "drawButton"), Qt::LeftButton);
        QString after = TileLetters(*window);
        std::sort(after.begin(), after.end());
        QCOMPARE(after, QString::fromLatin1(window->Game().Letters().data(), kTileCount));
        for (const qreal scale : {1.5, 3.0, 4.0})  // other screens take the next denser image, up to 3x
            QCOMPARE(ImageForScale(LetterImagePath('W'), scale).width(), int(50 * std::min(3.0, std::ceil(scale))));
    }

    // Loading blocks, so the window and its notice must be on screen first, not inside the first paint.
    void listsLoadOnlyAfterTheWindowIsPainted() {
        CGameWindow window(m_folder->Dir(), 1);
        window.show();
        window.grab();  // paints now, without the event loop
        QVERIFY(!window.Game().ListsLoaded());
        auto* row = Find<QPlainTextEdit>(window, "row1");
        QVERIFY(!row->toPlainText().trimmed().isEmpty());
        QTRY_VERIFY(window.Game().ListsLoaded());
        QCOMPARE(row->toPlainText(), QString());  // though the empty lists give no word
    }

    // Letter keys move tiles from a button and press none, nor does the Enter after them; a word lights up.
    void letterKeysPlayTheBoardFromAButtonButNotFromARow() {
        m_folder->WriteLines(4, {"MNOS/mons"});
        auto window = ShownAndLoaded(25, true);  // draws MONSIERRS
        QWindow* handle = window->windowHandle();
        QCOMPARE(qApp->focusWidget(), Find(*window, "finishButton"));  // the first control in tab order
        const auto edge = [&](int s) {  // the left edge of upper slot s's frame, outside its tile
            return window->grab().toImage().pixel(QPoint(24 + 66 * s, 56) * Scale());
        };
        for (const Qt::Key key : {Qt::Key_M, Qt::Key_O, Qt::Key_N, Qt::Key_S, Qt::Key_Return})
            QTest::keyClick(handle, key);
        QTest::keyClick(handle, Qt::Key_Backspace, Qt::ControlModifier);  // not a plain key
        QVERIFY(window->isVisible());
        Find(*window, "row1")->setFocus();  // Backspace in a row erases there and moves no tile
        QTest::keyClick(handle, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(handle, Qt::Key_Backspace);
        QCOMPARE(Tile(*window, 3)->geometry(), Slot(3));
        QCOMPARE(Find<QPlainTextEdit>(*window, "row1")->toPlainText(), QString("1  Quatre LETRAS  mon"));
        QVERIFY(edge(0) == edge(3) && edge(3) != edge(4) && edge(4) == edge(8));
        QTest::mouseClick(Find(*window, "drawButton"), Qt::LeftButton);
        QCOMPARE(edge(3), edge(4));
        window->Game().ApplyLetterEntry("ZOLERIANA");  // A and Z, the letter keys at either end
        QTest::keyClick(handle, Qt::Key_Z);
        QTest::keyClick(handle, Qt::Key_A);
        QVERIFY(Tile(*window, 0)->geometry() == Slot(0) && Tile(*window, 6)->geometry() == Slot(1));
        QTest::keyClick(handle, Qt::Key_Backspace);  // on the board, the last letter typed goes back down
        QVERIFY(Tile(*window, 0)->geometry() == Slot(0) && Tile(*window, 6)->y() == Slot(kTileCount).y());
    }

    // --day names its date as written: year, month, day.
    void theDayOptionNamesItsDate() {
        CGameOptions options;
        const QStringList arguments = {"escartinol", "--day", "2028-02-29", "--lists",
                                       QString::fromStdString(m_folder->Dir())};
        QVERIFY(!options.ReadAfterWindow(arguments, QString()) && options.Day() == QDate(2028, 2, 29));
    }

    // A tile follows the pointer in front of the others, whatever key comes, until the window loses it.
    void aDragCarriesTheTileByItsCentreUntilTheWindowIsLeft() {
        auto window = ShownAndLoaded(1, true);
        QWindow* handle = window->windowHandle();
        QLabel* tile = Tile(*window, 2);
        // Grabbed 20 px right of its centre and dropped with the pointer in upper column 4, centre in 3.
        const QPoint grip = tile->geometry().center() + QPoint(20, 0), release(244, 55);
        QTest::mousePress(handle, Qt::LeftButton, {}, grip);
        QTest::mouseMove(handle, release);
        QCOMPARE(tile->geometry().center(), release - QPoint(20, 0));
        // Siblings are painted in the order of the parent's children, the last in front.
        QVERIFY(window->children().indexOf(tile) > window->children().indexOf(Tile(*window, 8)));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, release);
        QCOMPARE(tile->geometry(), Slot(3));
        QEvent deactivate(QEvent::WindowDeactivate);
        for (const bool hide : {false, true}) {  // another window raised, or this one hidden: no release comes
            if (hide) QApplication::setActiveWindow(nullptr);  // hidden while inactive, it is not deactivated
            QTest::mousePress(handle, Qt::LeftButton, {}, tile->geometry().center());
            QTest::mouseMove(handle, QPoint(300, 160));
            QTest::keyClick(handle, Qt::Key_Backspace);                   // the dragged tile is the rightmost one up
            QTest::keyClick(handle, TileLetters(*window)[0].toLatin1());  // tile 0, first in the lower row
            QCOMPARE(tile->geometry().center(), QPoint(300, 160));
            hide ? window->hide() : void(QApplication::sendEvent(window.get(), &deactivate));
            QVERIFY(!window->Game().Board().Dragging() && tile->geometry() == Slot(3));
            QCOMPARE(Tile(*window, 0)->geometry(), Slot(kTileCount));
            if (!hide) QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(300, 160));
        }
    }

    // A finger held still on the empty board draws as the right button does; on a tile, not (the slop is core-tested).
    void aRightPressOrAHeldFingerOffTheControlsDrawsFiftyTimes() {
        auto window = ShownAndLoaded();
        QPointingDevice* device = QTest::createTouchDevice();
        const auto draws = [&](bool finger, QPoint at, QPoint to) {
            const long before = window->Game().WordLists().LookupCount(kMaxWordLength);  // once a draw
            if (!finger) QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, at);
            if (!finger) return window->Game().WordLists().LookupCount(kMaxWordLength) - before;
            QTest::touchEvent(window.get(), device).press(0, at);
            QTest::touchEvent(window.get(), device).move(0, to);
            QTest::qWait(kLongPressMilliseconds + 100);
            QTest::touchEvent(window.get(), device).release(0, to);
            return window->Game().WordLists().LookupCount(kMaxWordLength) - before;
        };
        const auto centreOf = [&](const char* name) { return Find(*window, name)->geometry().center(); };
        QCOMPARE(draws(true, QPoint(330, 110), QPoint(330, 112)), 50L);
        QCOMPARE(draws(true, centreOf("tile2"), centreOf("tile2")), 0L);
        for (const QPoint at : {centreOf("tile4"), centreOf("slotFrame0"), QPoint(15, 345)})  // pictures, frames, group
            QCOMPARE(draws(false, at, {}), 50L);
        QCOMPARE(draws(false, centreOf("drawButton"), {}), 0L);
    }

    // Chausit and the help button run their boxes modally over the window, the help texts within their places.
    void theWindowsButtonsOpenTheirBoxes() {
        m_folder->WriteLines(9, {"AEILNORST/t\x9Clrians"});  // a word of cp1252, with its œ
        auto window = ShownAndLoaded(2);
        WhenModalOpens([](QWidget& box) {
            QTest::keyClicks(qApp->focusWidget(), "tolerians");  // the box takes typing at once
            QTest::keyClick(&box, Qt::Key_Return);
        });
        QTest::mouseClick(Find(*window, "chooseButton"), Qt::LeftButton);  // back once the box is closed
        QCOMPARE(TileLetters(*window), QString("TOLERIANS"));
        QTest::mouseClick(Find(*window, "solutionsButton"), Qt::LeftButton);
        QVERIFY(Find<QPlainTextEdit>(*window, "row1")->toPlainText().contains("tœlrians"));
        int fitting = 0;
        WhenModalOpens([&](QWidget& box) {
            for (const QLabel* text : qobject_cast<CHelpDlg*>(&box)->findChildren<QLabel*>())
                fitting += text->wordWrap() && text->heightForWidth(text->width()) <= text->height();
            QTest::keyClick(&box, Qt::Key_Return);
        });
        QTest::mouseClick(Find(*window, "helpButton"), Qt::LeftButton);
        QCOMPARE(fitting, 4);
    }

    // Today's board counts once a day in the score file, again once found, here after a hint; Partejar shares it.
    void todaysBoardCountsInTheScoreThatPartejarShares() {
        const QDate today = QDate::currentDate();
        const long day = DaysFromCivil(today.year(), unsigned(today.month()), unsigned(today.day()));
        const Score before{.daysPlayed = 1, .run = 1, .lastPlayed = day - 1};  // played yesterday
        QFile file((QDir().mkpath(m_state->filePath("escartinol")), m_state->filePath("escartinol/score")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(ScoreText(before).c_str()) > 0 && file.flush());
        std::string word = DayBoard("fr", today.year(), unsigned(today.month()), unsigned(today.day())), key = word;
        std::sort(key.begin(), key.end());
        m_folder->WriteLines(9, {key + "/" + QString::fromStdString(word).toLower().toStdString()});
        const auto window = ShownAndLoaded(1, true);
        window->PlayDay(today.addDays(-1));
        QCOMPARE(SavedScore().daysPlayed, 1L);  // another day's board counts in no score
        QTest::mouseClick(Find(*window, "dayButton"), Qt::LeftButton);
        QVERIFY(TileLetters(*window).toStdString() == word && window->Game().DayOnShow() == day);
        QVERIFY(SavedScore().daysPlayed == 2 && SavedScore().run == 2 && SavedScore().boardsCompleted == 0);
        QTest::mouseClick(Find(*window, "hintButton"), Qt::LeftButton);
        QCOMPARE(Find<QLabel>(*window, "progress")->text(), QString("Mòts trobats: 0 sus 1  Indicis: 1"));
        for (const char letter : word.substr(1)) QTest::keyClick(window->windowHandle(), letter);
        QCOMPARE(Find<QLabel>(*window, "progress")->text(), QString("Mòts trobats: 1 sus 1  Indicis: 1"));
        QCOMPARE(SavedScore().boardsCompleted, 1L);
        QString shown;
        WhenModalOpens([&](QWidget& box) {
            shown = static_cast<QMessageBox&>(box).text();
            QTest::keyClick(&box, Qt::Key_Return);
        });
        QTest::mouseClick(Find(*window, "shareButton"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), shown);
        QCOMPARE(shown, "ESCARTINOL (fr)\nJorn " + today.toString(Qt::ISODate) +
                            "\n9 letras: 1 sus 1\nIndicis: 1\nJorns jogats: 2, acabats: 1, de seguida: 2\n");
    }
};

}  // namespace escartinol

QTEST_MAIN(escartinol::GameWindowTest)
#include "game_window_test.moc"
