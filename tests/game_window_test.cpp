// The Qt game window offscreen: its layout in pixels, texts, keys, images and what clicks and drags do.
// tests/CMakeLists.txt runs it at scale 1 and 2: the layout holds in logical pixels at both, while the
// images take the screen's pixels.
#include "ui/game_window.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <functional>
#include <memory>
#include <tuple>

#include "board/geometry.h"
#include "support/list_folder.h"
#include "ui/letter_entry_dlg.h"
#include "ui/resource_images.h"

namespace escartinol {
namespace {

const QRgb kPaleYellow = qRgb(255, 255, 150);
const QRgb kBlack = qRgb(0, 0, 0);

QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// The scale the tests run at, which the images must follow.
qreal Scale() { return qGuiApp->devicePixelRatio(); }

template <typename T = QWidget>
T* Find(const QWidget& window, const QByteArray& name) {
    T* widget = window.findChild<T*>(name);
    if (!widget) qFatal("no control named %s", name.constData());
    return widget;
}

template <typename T = QWidget>
T* Find(const QWidget& window, const char* name, int number) {
    return Find<T>(window, QByteArray(name) + QByteArray::number(number));
}

QString RowText(const QWidget& window, int row) { return Find<QPlainTextEdit>(window, "row", row)->toPlainText(); }

// The letters the tiles show, read back by comparing their images with the 26 letter images.
QString TileLetters(const QWidget& window) {
    QString letters;
    for (int tile = 0; tile < kTileCount; ++tile) {
        const QImage shown = Find<QLabel>(window, "tile", tile)->pixmap().toImage();
        QChar letter = '?';
        for (char c = 'A'; c <= 'Z'; ++c)
            if (ImageForScale(LetterImagePath(c), Scale()).toImage().convertToFormat(shown.format()) == shown)
                letter = QChar(c);
        letters += letter;
    }
    return letters;
}

// How many pixels of the RGB32 image, within place, are pale yellow and how many black.
std::pair<int, int> YellowAndBlack(const QImage& image, const QRect& place) {
    std::pair<int, int> counts;
    for (int y = place.top(); y <= place.bottom(); ++y) {
        for (int x = place.left(); x <= place.right(); ++x) {
            counts.first += image.pixel(x, y) == kPaleYellow;
            counts.second += image.pixel(x, y) == kBlack;
        }
    }
    return counts;
}

// Siblings are painted in the order of the parent's children, the last in front.
bool InFront(const QWidget& window, const QWidget* front, const QWidget* behind) {
    return window.children().indexOf(front) > window.children().indexOf(behind);
}

}  // namespace

class GameWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::CListFolder> m_folder;

    // A window on screen whose lists, those of m_folder, are loaded; active when keys must reach it.
    std::unique_ptr<CGameWindow> ShownAndLoaded(std::uint32_t seed = 1, bool active = false) {
        auto window = std::make_unique<CGameWindow>(m_folder->Dir(), seed);
        window->show();
        if (active) QApplication::setActiveWindow(window.get());
        const bool up = active ? QTest::qWaitForWindowActive(window.get()) : QTest::qWaitForWindowExposed(window.get());
        if (!up || !QTest::qWaitFor([&] { return window->Game().ListsLoaded(); })) qFatal("window not up");
        return window;
    }

private slots:
    // Without this a run meant for scale 2 that came up at scale 1 would pass without testing anything.
    void initTestCase() { QCOMPARE(Scale(), qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble()); }

    void init() { m_folder = std::make_unique<testing::CListFolder>(); }

    // Pixel places worked out by hand from the dialog units, so that a fault in the conversion shows;
    // drawing and hit-testing use the pixel constants of board/, which must fall inside the frames drawn.
    void everyControlStandsAtItsPixelPlace() {
        const auto shown = ShownAndLoaded();
        CGameWindow& window = *shown;
        QCOMPARE(window.size(), QSize(644, 400));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        const std::pair<const char*, QRect> controls[] = {
            {"boardPanel", {0, 0, 644, 215}},
            {"row1", {0, 219, 644, 29}},
            {"row2", {0, 254, 644, 29}},
            {"row3", {0, 289, 644, 29}},
            {"drawGroup", {11, 332, 288, 63}},
            {"finishButton", {608, 377, 36, 23}},
            {"drawButton", {27, 354, 77, 29}},
            {"chooseButton", {128, 354, 77, 29}},
            {"solutionsButton", {302, 354, 77, 29}},
            {"helpButton", {573, 379, 24, 21}},
        };
        for (const auto& [name, place] : controls) {
            QCOMPARE(Find(window, name)->geometry(), place);
            if (auto* button = qobject_cast<QPushButton*>(Find(window, name))) {
                const QFontMetrics metrics = button->fontMetrics();
                QVERIFY2(metrics.horizontalAdvance(button->text().remove('&')) + 6 <= place.width() &&
                             metrics.height() + 4 <= place.height(),
                         name);
            }
        }
        for (int s = 0; s < kSlotCount; ++s) {
            const QRect frame = Find(window, "slotFrame", s)->geometry();
            // The first lower frame starts a pixel further left than the others.
            QCOMPARE(frame, s < kFirstLowerSlot ? QRect(24 + 66 * s, 24, 66, 65)
                                                : QRect(24 + 66 * (s - 9) - (s == 9), 130, 66, 65));
            // Inside the two-pixel sunken edge, so the frame shows all round the tile.
            QVERIFY2(frame.adjusted(2, 2, -2, -2).contains(ToQRect(SlotRect(s))), qPrintable(QString::number(s)));
            const Rect& area = s < kFirstLowerSlot ? kTopRowArea : kBottomRowArea;
            QVERIFY(area.Contains(SlotRect(s).Centre()));
            QVERIFY(frame.top() <= area.top && area.bottom <= frame.bottom() + 1);
        }
        // The window manager may close the window (Alt+F4, a logout), but not resize it.
        QVERIFY((window.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)) ==
                (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint));
        QVERIFY(!(window.windowFlags() & Qt::WindowMinMaxButtonsHint));
        // A missing font would silently fall back to another with other widths.
        QCOMPARE(QFontInfo(window.font()).family(), QString("Liberation Sans"));
        QVERIFY(Find<QPushButton>(window, "finishButton")->isDefault());
        for (const QSize icon : {QSize(16, 16), QSize(32, 32)})
            QCOMPARE(ApplicationIcon().pixmap(icon, Scale()).size(), icon * Scale());
    }

    void tabGoesRoundTheTemplatesOrderFromFinit() {
        auto window = ShownAndLoaded(1, true);
        QWidget* finish = Find(*window, "finishButton");
        QCOMPARE(QApplication::focusWidget(), finish);
        QStringList order;
        for (QWidget* widget = finish; order.isEmpty() || (widget != finish && order.size() < 20);
             widget = QApplication::focusWidget()) {
            order << widget->objectName();
            QTest::keyClick(widget, Qt::Key_Tab);
        }
        QCOMPARE(order, QStringList({"finishButton", "row1", "drawButton", "row2", "solutionsButton", "row3",
                                     "chooseButton", "helpButton", "hintButton", "dayButton", "shareButton"}));
    }

    // The rows are multi-line boxes, yet Enter in them must still press "Finit". The window manager's
    // close (key unknown here) ends the game too.
    void enterInARowEscapeOrACloseEndsTheGame() {
        for (const auto& [key, result] :
             {std::pair{Qt::Key_Return, QDialog::Accepted}, std::pair{Qt::Key_Escape, QDialog::Rejected},
              std::pair{Qt::Key_unknown, QDialog::Rejected}}) {
            auto window = ShownAndLoaded();
            auto* row = Find<QPlainTextEdit>(*window, "row2");
            row->setFocus();
            if (key == Qt::Key_unknown)
                QVERIFY(window->close());
            else
                QTest::keyClick(row, key);
            QVERIFY(!window->isVisible());
            QCOMPARE(window->result(), int(result));
            QCOMPARE(row->toPlainText(), QString());
        }
    }

    // Started from a terminal without a display, the game must still answer its command line, not abort
    // in Qt on the way to a window: a refusal on standard error names what it refused, an answer goes to
    // standard output, and the other stream stays empty.
    void optionsAreAnsweredWithoutADisplay() {
        const std::tuple<QStringList, int, QString> runs[] = {
            {{"--bogus"}, 2, "bogus"},
            {{"--lang", "xx"}, 2, "'xx'"},
            {{"stray"}, 2, "'stray'"},
            {{"--lists", ""}, 2, "--lists"},
            {{"--letters", "TOLERIAN"}, 2, "'TOLERIAN'"},
            {{"--day", "2026-02-30"}, 2, "'2026-02-30'"},
            {{"--version"}, 0, "escartinol "},
            {{"-v"}, 0, "escartinol "},
            {{"--help"}, 0, "Usage: "},
            {{"-h"}, 0, "Usage: "},
        };
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
        for (const auto& [arguments, status, named] : runs) {
            QProcess game;
            game.setProcessEnvironment(environment);
            game.start(ESCARTINOL_GAME, arguments);
            QVERIFY(game.waitForFinished(10000));
            const QString run = arguments.join(' ');
            QVERIFY2(game.exitStatus() == QProcess::NormalExit && game.exitCode() == status, qPrintable(run));
            QString out = QString::fromLocal8Bit(game.readAllStandardOutput());
            QString err = QString::fromLocal8Bit(game.readAllStandardError());
            if (status != 0) std::swap(out, err);
            QVERIFY2(out.startsWith(status ? "escartinol: " : named) && out.contains(named) && err.isEmpty(),
                     qPrintable(run));
        }
    }

    // An empty X11 clipboard hands Qt data without a single format, which crashed Qt 6.4's paste: in
    // every text box, each way of pasting must do nothing with nothing to paste and paste text. The
    // offscreen platform has no selection, so a middle click pastes only where one exists.
    void everyWayOfPastingSurvivesAnEmptyClipboard() {
        const auto window = ShownAndLoaded();
        CLetterEntryDlg entry(window.get());
        QWidget* const boxes[] = {Find(*window, "row1"), Find(*window, "row2"), Find(*window, "row3"), &entry.Edit()};
        QClipboard& clipboard = *QGuiApplication::clipboard();
        const int pastes = clipboard.supportsSelection() ? 3 : 2;
        for (const QString& pasted : {QString(), QString("AB")}) {
            for (const auto mode : {QClipboard::Clipboard, QClipboard::Selection}) {
                if (mode == QClipboard::Selection && !clipboard.supportsSelection()) continue;
                auto* data = new QMimeData;
                if (!pasted.isNull()) data->setText(pasted);
                clipboard.setMimeData(data, mode);
            }
            for (QWidget* box : boxes) {
                auto* row = qobject_cast<QPlainTextEdit*>(box);
                row ? row->clear() : static_cast<QLineEdit*>(box)->clear();
                QTest::mouseClick(row ? row->viewport() : box, Qt::MiddleButton);
                QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
                QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
                const QString text = row ? row->toPlainText() : static_cast<QLineEdit*>(box)->text();
                QCOMPARE(text, pasted.repeated(pastes));
            }
        }
        clipboard.clear();
    }

    // Each scale takes its own denser image, up to 3x, at the same logical size and as clean.
    void letterImagesAreCleanAtEveryScale() {
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            for (const int scale : {1, 2, 3}) {
                const QPixmap pixmap = ImageForScale(LetterImagePath(letter), scale);
                QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(50, 50));
                const QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
                QCOMPARE(image.size(), QSize(50, 50) * scale);
                const auto [yellow, black] = YellowAndBlack(image, image.rect());
                QCOMPARE(yellow + black, image.width() * image.height());
                QVERIFY(black > 0);
            }
        }
    }

    // What the player sees after a draw: nine new letters, each tile's image inside its lower frame in
    // only the two colours, with no grey from an image stretched to the screen's scale.
    void aDrawShowsNineCleanTilesInTheLowerSlots() {
        auto window = ShownAndLoaded(5);
        const QString before = TileLetters(*window);
        QTest::mouseClick(Find(*window, "drawButton"), Qt::LeftButton);
        QString after = TileLetters(*window);
        QVERIFY(after != before);
        std::sort(after.begin(), after.end());
        QCOMPARE(after, QString::fromLatin1(window->Game().Letters().data(), kTileCount));
        const QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shot.size(), window->size() * Scale());
        for (int s = 0; s < kSlotCount; ++s) {
            // Three pixels in from the slot's edge: inside a tile's two-pixel frame, on its image.
            const QRect inside = ToQRect(SlotRect(s)).adjusted(3, 3, -3, -3);
            const QRect pixels(inside.topLeft() * Scale(), inside.size() * Scale());
            const auto [yellow, black] = YellowAndBlack(shot, pixels);
            const QString slot = QString::number(s);
            if (s < kFirstLowerSlot) {
                QVERIFY2(yellow == 0, qPrintable(slot));
            } else {
                QVERIFY2(yellow > 40 * 40 * Scale() * Scale(), qPrintable(slot));
                QVERIFY2(yellow + black == pixels.width() * pixels.height(), qPrintable(slot));
            }
        }
    }

    // Loading blocks the window, so it must wait until the window and its notice are on screen: inside
    // the first paint it would block before they reach it. Once loaded, the notice goes even though the
    // empty lists give no word.
    void listsLoadOnlyAfterTheWindowIsPainted() {
        CGameWindow window(m_folder->Dir(), 1);
        QTest::qWait(30);
        QVERIFY(!window.Game().ListsLoaded());
        window.show();
        window.grab();  // paints now, without the event loop
        QVERIFY(!window.Game().ListsLoaded());
        auto* row = Find<QPlainTextEdit>(window, "row1");
        QVERIFY(!row->toPlainText().trimmed().isEmpty());
        QVERIFY(row->fontMetrics().horizontalAdvance(row->toPlainText()) < row->viewport()->width());
        QTRY_VERIFY(window.Game().ListsLoaded());
        QCOMPARE(row->toPlainText(), QString());
    }

    // The frames under a word light up in a colour of their own and go out with the next draw. Letter
    // keys move tiles whichever button has the focus, and press none: S here is not "Solucions", nor is
    // the Enter after them, which the button would take before the window saw it.
    void letterKeysPlayTheBoardFromAButtonButNotFromARow() {
        m_folder->WriteLines(4, {"MNOS/mons"});
        auto window = ShownAndLoaded(25, true);  // draws MONSIERRS
        Find(*window, "solutionsButton")->setFocus();
        // The left edge of each upper slot frame, outside the tile it holds.
        const auto frameEdges = [&] {
            const QImage shot = window->grab().toImage();
            QList<QRgb> edges;
            for (int s = 0; s < kTileCount; ++s) edges << shot.pixel(QPoint(24 + 66 * s, 56) * Scale());
            return edges;
        };
        const QList<QRgb> unlit = frameEdges();
        for (const Qt::Key key : {Qt::Key_M, Qt::Key_O, Qt::Key_N, Qt::Key_S, Qt::Key_Return})
            QTest::keyClick(window->windowHandle(), key);
        QTest::keyClick(window->windowHandle(), Qt::Key_Backspace, Qt::ControlModifier);  // not a plain key
        QVERIFY(window->isVisible());
        // In a row, Backspace erases there and moves no tile.
        Find(*window, "row1")->setFocus();
        QTest::keyClick(window->windowHandle(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(window->windowHandle(), Qt::Key_Backspace);
        QCOMPARE(Find(*window, "tile3")->geometry(), ToQRect(SlotRect(3)));
        // The word found goes after its row's count; Backspace erased its last letter there.
        QCOMPARE(RowText(*window, 1), QString("1  Quatre LETRAS  mon"));
        const QList<QRgb> lit = frameEdges();
        for (int s = 0; s < kTileCount; ++s) QVERIFY2((lit[s] != unlit[s]) == (s < 4), qPrintable(QString::number(s)));
        QTest::mouseClick(Find(*window, "drawButton"), Qt::LeftButton);
        QCOMPARE(frameEdges(), unlit);
        // A and Z, the letter keys at either end, move their tiles as the others do.
        window->Game().ApplyLetterEntry("ZOLERIANA");
        QTest::keyClick(window->windowHandle(), Qt::Key_Z);
        QTest::keyClick(window->windowHandle(), Qt::Key_A);
        QCOMPARE(Find(*window, "tile0")->geometry(), ToQRect(SlotRect(0)));
        QCOMPARE(Find(*window, "tile6")->geometry(), ToQRect(SlotRect(1)));
    }

    // A tile grabbed off-centre must land by its centre and follow the pointer in front of the other
    // tiles, whatever key comes meanwhile; a drag the window cannot finish must send it home. Drops
    // elsewhere are judged by the board in board_test.cpp.
    void aDragCarriesTheTileByItsCentreUntilTheWindowIsLeft() {
        auto window = ShownAndLoaded(1, true);
        QWindow* handle = window->windowHandle();
        auto* tile = Find<QLabel>(*window, "tile2");

        // Grabbed 20 px right of its centre and dropped with the pointer in upper column 4, centre in 3.
        const QPoint grip = tile->geometry().center() + QPoint(20, 0);
        const QPoint release(224 + 20, 55);
        QTest::mousePress(handle, Qt::LeftButton, {}, grip);
        QTest::mouseMove(handle, (grip + release) / 2);
        QTest::mouseMove(handle, release);
        QCOMPARE(tile->geometry().center(), release - QPoint(20, 0));
        QVERIFY(InFront(*window, tile, Find(*window, "tile8")));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, release);
        QCOMPARE(tile->geometry(), ToQRect(SlotRect(3)));

        // Another window raised or this one hidden mid-drag: no release will come, so the tile goes home
        // and no drag is left open.
        for (const auto& leave : {std::function<void()>([&] {
                                      QEvent deactivate(QEvent::WindowDeactivate);
                                      QApplication::sendEvent(window.get(), &deactivate);
                                  }),
                                  std::function<void()>([&] { window->hide(); })}) {
            QTest::mousePress(handle, Qt::LeftButton, {}, tile->geometry().center());
            QTest::mouseMove(handle, QPoint(300, 160));
            QTest::keyClick(handle, Qt::Key_Backspace);  // the dragged tile is the rightmost one up
            QCOMPARE(tile->geometry().center(), QPoint(300, 160));
            leave();
            QVERIFY(!window->Game().Board().Dragging());
            QCOMPARE(tile->geometry(), ToQRect(SlotRect(3)));
            if (window->isVisible()) QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(300, 160));
        }
    }

    // Presses go to the window system, which finds the control under the pointer as a player's would. A
    // finger comes as the left button: held still on the empty board it draws as the right button does;
    // held on a tile it drags it, however long it rests.
    void aRightPressOrAHeldFingerOffTheControlsDrawsFiftyTimes() {
        auto window = ShownAndLoaded();
        QWindow* handle = window->windowHandle();
        QPointingDevice* finger = QTest::createTouchDevice();
        const auto centreOf = [&](const char* name) { return Find(*window, name)->geometry().center(); };
        auto* row = Find<QPlainTextEdit>(*window, "row1");
        const QPoint scrollBar = row->mapTo(window.get(), row->verticalScrollBar()->geometry().center());
        // Each search of a draw looks its nine letters up once.
        const auto searchesOf = [&](const std::function<void()>& press) {
            const long before = window->Game().WordLists().LookupCount(kMaxWordLength);
            press();
            return window->Game().WordLists().LookupCount(kMaxWordLength) - before;
        };
        const auto rightClick = [&](QPoint at) {
            return searchesOf([&] {
                QTest::mousePress(handle, Qt::RightButton, {}, at);
                QTest::mouseRelease(handle, Qt::RightButton, {}, at);
            });
        };
        const auto heldFinger = [&](QPoint at, QPoint to) {
            return searchesOf([&] {
                QTest::touchEvent(window.get(), finger).press(0, at);
                QTest::qWait(kLongPressMilliseconds + 100);
                QTest::touchEvent(window.get(), finger).move(0, to);
                QTest::touchEvent(window.get(), finger).release(0, to);
            });
        };
        QCOMPARE(heldFinger(QPoint(330, 110), QPoint(330, 110)), 50L);
        QCOMPARE(heldFinger(centreOf("tile2"), ToQRect(SlotRect(2)).center()), 0L);
        QCOMPARE(Find(*window, "tile2")->geometry(), ToQRect(SlotRect(2)));
        for (const QPoint at :
             {centreOf("tile4"), centreOf("slotFrame0"), QPoint(3, 3), QPoint(15, 345), QPoint(400, 392)})
            QCOMPARE(rightClick(at), 50L);
        // The row last: its context menu would swallow the next press.
        for (const QPoint at :
             {centreOf("drawButton"), centreOf("helpButton"), centreOf("finishButton"), scrollBar, centreOf("row2")})
            QCOMPARE(rightClick(at), 0L);
    }
};

}  // namespace escartinol

QTEST_MAIN(escartinol::GameWindowTest)
#include "game_window_test.moc"
