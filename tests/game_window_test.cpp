// The Qt game window offscreen: its layout in pixels, texts, keys, images and the routing of events.
#include "ui/game_window.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <memory>

#include "board/geometry.h"
#include "game/control_ids.h"
#include "support/list_folder.h"
#include "ui/resource_images.h"

namespace escartinol {
namespace {

const QRgb kPaleYellow = qRgb(255, 255, 150);
const QRgb kBlack = qRgb(0, 0, 0);

QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

template <typename T = QWidget>
T* Find(const QWidget& window, const char* name) {
    T* widget = window.findChild<T*>(name);
    if (!widget) qFatal("no control named %s", name);
    return widget;
}

QString RowText(const QWidget& window, int row) {
    return Find<QPlainTextEdit>(window, QByteArray("row") + QByteArray::number(row))->toPlainText();
}

// The letter a tile shows, read back by comparing its image with the 26 letter images.
char TileLetter(const QWidget& window, int tile) {
    const QImage shown = Find<QLabel>(window, QByteArray("tile") + QByteArray::number(tile))->pixmap().toImage();
    for (int k = 0; k < kLetterImageCount; ++k) {
        if (QImage(LetterImagePath(kIdFirstLetterImage + k)).convertToFormat(shown.format()) == shown)
            return static_cast<char>('A' + k);
    }
    return '?';
}

// Siblings are painted in the order of the parent's children, the last in front.
bool InFront(const QWidget& window, const QWidget* front, const QWidget* behind) {
    return window.children().indexOf(front) > window.children().indexOf(behind);
}

QString Sorted(QString text) {
    std::sort(text.begin(), text.end());
    return text;
}

}  // namespace

class GameWindowTest : public QObject {
    Q_OBJECT

private:
    // A window on screen whose lists are loaded; the lists are those of the folder.
    std::unique_ptr<CGameWindow> ShownAndLoaded(const testing::CListFolder& folder, std::uint32_t seed = 1) {
        auto window = std::make_unique<CGameWindow>(folder.Dir(), seed);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) return nullptr;
        if (!QTest::qWaitFor([&] { return window->Game().m_listsLoaded == 1; })) return nullptr;
        return window;
    }

private slots:
    // Pixel places worked out by hand from the dialog units, so that a fault in the conversion shows.
    void everyControlStandsAtItsPixelPlace() {
        testing::CListFolder folder;
        CGameWindow window(folder.Dir(), 1);
        QCOMPARE(window.size(), QSize(644, 400));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        const std::pair<const char*, QRect> expected[] = {
            {"boardPanel", {0, 0, 644, 215}},     {"row1", {0, 219, 644, 29}},
            {"row2", {0, 254, 644, 29}},          {"row3", {0, 289, 644, 29}},
            {"finishButton", {608, 377, 36, 23}}, {"drawButton", {27, 354, 77, 29}},
            {"chooseButton", {128, 354, 77, 29}}, {"solutionsButton", {302, 354, 77, 29}},
            {"helpButton", {573, 379, 24, 21}},   {"drawGroup", {11, 332, 210, 63}},
            {"slotFrame9", {23, 130, 66, 65}},    {"slotFrame17", {552, 130, 66, 65}},
        };
        for (const auto& [name, rect] : expected) QCOMPARE(Find(window, name)->geometry(), rect);
        for (int s = 0; s < 9; ++s) {
            QCOMPARE(Find(window, QByteArray("slotFrame") + QByteArray::number(s))->geometry(),
                     QRect(24 + 66 * s, 24, 66, 65));
            if (s > 0) {
                QCOMPARE(Find(window, QByteArray("slotFrame") + QByteArray::number(9 + s))->geometry(),
                         QRect(24 + 66 * s, 130, 66, 65));
            }
        }
    }

    // Drawing and hit-testing use the pixel constants of board/; they must fall inside the frames drawn.
    void boardPixelConstantsFallInsideTheSlotFrames() {
        testing::CListFolder folder;
        CGameWindow window(folder.Dir(), 1);
        for (int s = 0; s < kSlotCount; ++s) {
            const QRect frame = Find(window, QByteArray("slotFrame") + QByteArray::number(s))->geometry();
            const QRect slot = ToQRect(SlotRect(s));
            // Inside the two-pixel sunken edge, so the frame shows all round the tile.
            QVERIFY2(frame.adjusted(2, 2, -2, -2).contains(slot), qPrintable(QString::number(s)));
            const Rect& area = s < kFirstLowerSlot ? kTopRowArea : kBottomRowArea;
            QVERIFY(area.Contains(SlotRect(s).Centre()));
            QVERIFY(frame.top() <= area.top && area.bottom <= frame.bottom() + 1);
        }
        for (int i = 0; i < kTileCount; ++i) {
            QCOMPARE(Find(window, QByteArray("tile") + QByteArray::number(i))->geometry(),
                     ToQRect(SlotRect(kFirstLowerSlot + i)));
        }
    }

    void textsCaptionAndFontAreAsQuotedAndEveryTextFits() {
        testing::CListFolder folder;  // empty lists: the notice stays in row 1
        auto shown = ShownAndLoaded(folder);
        QVERIFY(shown);
        CGameWindow& window = *shown;
        QCOMPARE(window.windowTitle(), QString(58, ' ') + "ESCARTINOL");
        QVERIFY(!(window.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)));
        QVERIFY(!(window.windowFlags() & Qt::WindowSystemMenuHint));
        QCOMPARE(RowText(window, 1), QString(57, ' ') + QString::fromUtf8("CARGAMENT DEI TIÈRAS DE MÒTS EN CORS..."));
        QCOMPARE(RowText(window, 2), QString());
        QCOMPARE(RowText(window, 3), QString());
        QCOMPARE(Find<QGroupBox>(window, "drawGroup")->title(), QString("Tiratge"));
        const std::pair<const char*, QString> buttons[] = {
            {"finishButton", "Finit"},
            {"drawButton", QString::fromUtf8("&Aleatòri")},
            {"solutionsButton", "&Solucions"},
            {"chooseButton", "&Chausit"},
            {"helpButton", "?"},
        };
        // A missing font would silently fall back to another with other widths.
        QCOMPARE(QFontInfo(window.font()).family(), QString("Liberation Sans"));
        for (const auto& [name, text] : buttons) {
            auto* button = Find<QPushButton>(window, name);
            QCOMPARE(button->text(), text);
            const QString shown = QString(text).remove('&');
            QVERIFY2(button->fontMetrics().horizontalAdvance(shown) + 6 <= button->width(), name);
            QVERIFY2(button->fontMetrics().height() + 4 <= button->height(), name);
        }
        QVERIFY(Find<QPushButton>(window, "finishButton")->isDefault());
        auto* row = Find<QPlainTextEdit>(window, "row1");
        QVERIFY(row->fontMetrics().horizontalAdvance(row->toPlainText()) < row->viewport()->width());
        QVERIFY(!ApplicationIcon().pixmap(32, 32).isNull() && !ApplicationIcon().pixmap(16, 16).isNull());
    }

    void tabOrderFollowsTheTemplateAndTheFocusStartsOnFinit() {
        testing::CListFolder folder;
        auto window = ShownAndLoaded(folder);
        QVERIFY(window);
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(QApplication::focusWidget(), Find(*window, "finishButton"));
        QStringList order;
        QWidget* widget = QApplication::focusWidget();
        do {
            order << widget->objectName();
            QTest::keyClick(widget, Qt::Key_Tab);
            widget = QApplication::focusWidget();
        } while (widget != Find(*window, "finishButton") && order.size() < 20);
        QCOMPARE(order, QStringList({"finishButton", "row1", "drawButton", "row2", "solutionsButton", "row3",
                                     "chooseButton", "helpButton"}));
    }

    // The rows are multi-line boxes, yet Enter in them must still press "Finit".
    void enterInAResultRowOrEscapeAnywhereEndsTheGame() {
        testing::CListFolder folder;
        auto window = ShownAndLoaded(folder);
        QVERIFY(window);
        auto* row = Find<QPlainTextEdit>(*window, "row2");
        row->setFocus();
        QTest::keyClick(row, Qt::Key_Return);
        QVERIFY(!window->isVisible());
        QCOMPARE(window->result(), int(QDialog::Accepted));
        QCOMPARE(row->toPlainText(), QString());

        window = ShownAndLoaded(folder);
        QVERIFY(window);
        QTest::keyClick(Find(*window, "row3"), Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        QCOMPARE(window->result(), int(QDialog::Rejected));
    }

    // The second window replays the first one's draw, with a list that holds a word of its letters.
    void drawButtonPutsNineNewTilesInTheLowerRowAndRewritesTheRows() {
        testing::CListFolder empty;
        auto first = ShownAndLoaded(empty, 5);
        QVERIFY(first);
        QTest::mouseClick(Find(*first, "drawButton"), Qt::LeftButton);
        const std::string drawn(first->Game().m_letters.begin(), first->Game().m_letters.end());

        testing::CListFolder folder;
        folder.WriteLines(4, {drawn.substr(0, 4) + "/abcd"});
        auto window = ShownAndLoaded(folder, 5);
        QVERIFY(window);
        QString before;
        for (int i = 0; i < kTileCount; ++i) before += TileLetter(*window, i);
        Find<QPlainTextEdit>(*window, "row3")->setPlainText("stale");
        QTest::mouseClick(Find(*window, "drawButton"), Qt::LeftButton);
        QString after;
        for (int i = 0; i < kTileCount; ++i) {
            after += TileLetter(*window, i);
            QLabel* tile = Find<QLabel>(*window, QByteArray("tile") + QByteArray::number(i));
            QVERIFY(tile->isVisible());
            QCOMPARE(tile->geometry(), ToQRect(SlotRect(kFirstLowerSlot + i)));
        }
        QVERIFY(after != before);
        QCOMPARE(Sorted(after), QString::fromStdString(drawn));
        QCOMPARE(RowText(*window, 1), QString("1  Quatre LETRAS"));
        QCOMPARE(RowText(*window, 3), QString());
    }

    void letterImagesAre50By50InBlackAndPaleYellowOnly() {
        for (int id = kIdFirstLetterImage; id < kIdFirstLetterImage + kLetterImageCount; ++id) {
            const QImage image = QImage(LetterImagePath(id)).convertToFormat(QImage::Format_RGB32);
            QCOMPARE(image.size(), QSize(50, 50));
            int black = 0;
            for (int y = 0; y < 50; ++y) {
                for (int x = 0; x < 50; ++x) {
                    const QRgb pixel = image.pixel(x, y);
                    QVERIFY2(pixel == kBlack || pixel == kPaleYellow, qPrintable(LetterImagePath(id)));
                    black += pixel == kBlack;
                }
            }
            QVERIFY(black > 50 && black < 1250);  // a letter, not a blank or a blot
        }
        QVERIFY(LetterImagePath(kIdFirstLetterImage - 1).isEmpty());
        QVERIFY(LetterImagePath(kIdFirstLetterImage + kLetterImageCount).isEmpty());
    }

    void grabbedWindowShowsNineYellowTilesInTheLowerSlotsOnly() {
        testing::CListFolder folder;
        auto window = ShownAndLoaded(folder);
        QVERIFY(window);
        const QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (int s = 0; s < kSlotCount; ++s) {
            const QRect slot = ToQRect(SlotRect(s));
            int yellow = 0;
            for (int y = slot.top(); y <= slot.bottom(); ++y)
                for (int x = slot.left(); x <= slot.right(); ++x) yellow += shot.pixel(x, y) == kPaleYellow;
            if (s < kFirstLowerSlot)
                QCOMPARE(yellow, 0);
            else
                QVERIFY2(yellow > 40 * 40, qPrintable(QString::number(s)));
        }
    }

    // Loading blocks the window, so it must wait until the window and its notice are on screen.
    void listsLoadOnlyOnceTheWindowHasBeenPainted() {
        testing::CListFolder folder;
        CGameWindow window(folder.Dir(), 1);
        QTest::qWait(30);
        QCOMPARE(window.Game().m_listsLoaded, 0);
        window.show();
        QTRY_COMPARE(window.Game().m_listsLoaded, 1);
    }

    // The seam answers in place of the box, so the buttons and their mnemonics show without blocking.
    void chausitAndSolucionsReachTheirCommandsByButtonAndMnemonic() {
        testing::CListFolder folder;
        folder.WriteLines(9, {"AEILNORST/tolerians"});
        auto window = ShownAndLoaded(folder);
        QVERIFY(window);
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->SetLetterEntryRunner([](std::string& text) {
            text = "TOLERIANS";
            return true;
        });
        QTest::mouseClick(Find(*window, "chooseButton"), Qt::LeftButton);
        QCOMPARE(RowText(*window, 1), QString::fromUtf8("1  Nòu LETRAS"));
        // A mnemonic presses its button visibly, so the click comes a moment later.
        QTest::keyClick(window->windowHandle(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(RowText(*window, 1), QString("9 LETRAS:  tolerians"));
        QTest::mouseClick(Find(*window, "drawButton"), Qt::LeftButton);
        QTest::keyClick(window->windowHandle(), Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(RowText(*window, 1), QString::fromUtf8("1  Nòu LETRAS"));
    }

    // A tile grabbed off-centre must land by its centre, follow the pointer in front of the other
    // tiles, and a drop on a taken slot or a lost grab must send it home.
    void dragMovesATileIntoAFreeSlotAndBackHomeFromATakenOne() {
        testing::CListFolder folder;
        auto window = ShownAndLoaded(folder);
        QVERIFY(window);
        QWindow* handle = window->windowHandle();
        auto* tile = Find<QLabel>(*window, "tile2");
        QCOMPARE(tile->geometry(), ToQRect(SlotRect(11)));

        // Grabbed 20 px right of its centre and dropped with the pointer in upper column 4, centre in 3.
        const QPoint grip = tile->geometry().center() + QPoint(20, 0);
        const QPoint release(224 + 20, 55);
        QTest::mousePress(handle, Qt::LeftButton, {}, grip);
        QTest::mouseMove(handle, (grip + release) / 2);
        QTest::mouseMove(handle, release);
        QCOMPARE(tile->geometry().center(), release - QPoint(20, 0));
        QVERIFY(InFront(*window, tile, Find(*window, "tile0")));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, release);
        QCOMPARE(tile->geometry(), ToQRect(SlotRect(3)));
        QCOMPARE(window->Game().m_board.m_tileSlot[2], 3);

        // Over another tile's slot: back home, and the other tile stays.
        auto* other = Find<QLabel>(*window, "tile5");
        QTest::mousePress(handle, Qt::LeftButton, {}, tile->geometry().center());
        QTest::mouseMove(handle, other->geometry().center());
        QVERIFY(InFront(*window, tile, other));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, other->geometry().center());
        QCOMPARE(tile->geometry(), ToQRect(SlotRect(3)));
        QCOMPARE(other->geometry(), ToQRect(SlotRect(14)));

        // The window hidden mid-drag takes the grab away: the tile goes home, no drag is left open.
        QTest::mousePress(handle, Qt::LeftButton, {}, tile->geometry().center());
        QTest::mouseMove(handle, QPoint(300, 160));
        window->hide();
        QCOMPARE(window->Game().m_board.m_dragTile, -1);
        QCOMPARE(tile->geometry(), ToQRect(SlotRect(3)));
    }

    // Presses go to the window system, which finds the control under the pointer as a player's would.
    void rightPressDrawsFiftyTimesOnTheBoardButNotOnButtonsOrRows() {
        testing::CListFolder folder;
        auto window = ShownAndLoaded(folder);
        QVERIFY(window);
        const auto nineLetterLookups = [&] { return window->Game().m_wordLists.m_lookupCount[kMaxWordLength - 4]; };
        const auto centreOf = [&](const char* name) { return Find(*window, name)->geometry().center(); };
        const QPoint onBoard[] = {centreOf("tile4"), centreOf("slotFrame0"), QPoint(3, 3), QPoint(15, 345),
                                  QPoint(400, 360)};
        for (const QPoint& at : onBoard) {
            const long before = nineLetterLookups();
            QTest::mousePress(window->windowHandle(), Qt::RightButton, {}, at);
            QTest::mouseRelease(window->windowHandle(), Qt::RightButton, {}, at);
            QCOMPARE(nineLetterLookups() - before, 50L);
        }
        auto* row = Find<QPlainTextEdit>(*window, "row1");
        // The row last: its context menu would swallow the next press.
        const QPoint offBoard[] = {centreOf("drawButton"), centreOf("helpButton"), centreOf("finishButton"),
                                   row->mapTo(window.get(), row->verticalScrollBar()->geometry().center()),
                                   centreOf("row2")};
        const long before = nineLetterLookups();
        for (const QPoint& at : offBoard) {
            QTest::mousePress(window->windowHandle(), Qt::RightButton, {}, at);
            QTest::mouseRelease(window->windowHandle(), Qt::RightButton, {}, at);
        }
        QCOMPARE(nineLetterLookups(), before);
    }
};

}  // namespace escartinol

QTEST_MAIN(escartinol::GameWindowTest)
#include "game_window_test.moc"
