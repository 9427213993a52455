// The painter, drawing off screen into a DIB section with the program's own
// pictures and fonts. Text is checked by its colour only, never by glyph.
#include <gtest/gtest.h>

#include "app/shell.h"
#include "game/model.h"
#include "gfx/drawing.h"
#include "tests/win32/dib.h"

namespace {

const COLORREF GROUND = RGB(255, 0, 255);  // nothing the painter draws

COLORREF Rgb(COLORREF reference) {
  return reference;
}  // already 0x00BBGGRR

class PaintTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    appInstance = GetModuleHandleA(NULL);
    CreateFontsAndBlitDC(NULL);
    CreatePenAndPictures(appInstance);
  }
  static void TearDownTestSuite() { ReleaseDrawingResources(); }
  void SetUp() override {
    game = GameState();
    SetStartingValues(game);
    game.phase = PHASE_PLAY;
  }
  Dib Paint() {
    Dib canvas(CLIENT_WIDTH, CLIENT_HEIGHT, GROUND);
    PaintFrame(canvas.Dc());
    return canvas;
  }
  // A picture as drawn alone. The painter leaves its last picture selected
  // in blitDC, and a bitmap can be selected into one DC only: free it first.
  static Dib Picture(HBITMAP picture) {
    static HBITMAP placeholder = CreateBitmap(1, 1, 1, 1, NULL);
    SelectObject(drawing.blitDC, placeholder);
    return Dib::Of(picture);
  }
};

TEST_F(PaintTest, ComputersAndBarStandAtTheirPlaces) {
  game.barX = 123;
  game.barY = 321;
  Dib canvas = Paint();
  Dib node = Picture(drawing.node);
  for (int k = 0; k < NODE_COUNT; ++k) {
    EXPECT_TRUE(BlockEquals(canvas, NodeTable.x[k], NodeTable.y[k], node)) << "computer " << k;
  }
  EXPECT_TRUE(BlockEquals(canvas, 123, 321, Picture(drawing.bar)));
  // A dotted light-grey network between the rows.
  RECT field = {0, 100, CLIENT_WIDTH, 390};
  EXPECT_GT(CountColour(canvas, field, Rgb(LINK_COLOUR)), 500);
}

TEST_F(PaintTest, PacketsAreDrawnFromTruncatedPositionsWithTheLabelBeside) {
  struct Case {
    double x, y;
    PacketKind kind;
    int px, py;
  } cases[] = {
      {99.99, 40.7, PK_LEAK, 99, 40},
      {99.2, 40.0, PK_NORMAL, 99, 40},
      {-3.7, 40.9, PK_LEAK, -3, 40},  // toward zero, not down
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    SetUp();
    game.slots[0] = PacketSlot{c.kind, c.x, c.y, 0.0, 3.5, 0, 0, PacketLabelTable[50]};
    Dib canvas = Paint();
    Dib picture = Picture(c.kind == PK_LEAK ? drawing.leak : drawing.normal);
    EXPECT_TRUE(BlockEquals(canvas, c.px, c.py, picture));
    // The label: red ink from the column right of the picture on.
    int firstInk = -1;
    for (int x = 0; x < CLIENT_WIDTH && firstInk < 0; ++x) {
      for (int y = c.py; y < c.py + 13; ++y) {
        if (canvas.At(x, y) == Rgb(LABEL_COLOUR)) {
          firstInk = x;
          break;
        }
      }
    }
    EXPECT_GE(firstInk, c.px + 8);
    EXPECT_LE(firstInk, c.px + 12);
  }
}

TEST_F(PaintTest, LaterSlotsDrawOverEarlierOnesAndFreeSlotsDrawNothing) {
  struct Case {
    PacketKind first, later;
  } cases[] = {{PK_GET, PK_BOO}, {PK_BOO, PK_GET}, {PK_THANKS, PK_LEAK}};
  for (const Case& c : cases) {
    SetUp();
    game.slots[3] = PacketSlot{c.first, 300.0, 120.0, 0, 0, 0, 0, PacketLabelTable[0]};
    game.slots[7] = PacketSlot{c.later, 320.0, 130.0, 0, 0, 0, 0, PacketLabelTable[0]};
    game.slots[9] = PacketSlot{PK_FREE, 330.0, 135.0, 0, 0, 0, 0, PacketLabelTable[0]};
    Dib canvas = Paint();
    HBITMAP pictures[] = {NULL,        drawing.normal, drawing.leak,
                          drawing.get, drawing.thanks, drawing.boo};
    Dib later = Picture(pictures[c.later]);
    EXPECT_TRUE(BlockEquals(canvas, 320, 130, later)) << int(c.first) << " then " << int(c.later);
  }
}

TEST_F(PaintTest, BannerFollowsThePhase) {
  struct Case {
    GamePhase phase;
    COLORREF colour;
    RECT area;
    bool drawn;
  } cases[] = {
      {PHASE_READY, Rgb(READY_GO_COLOUR), {240, 200, 400, 232}, true},
      {PHASE_GO, Rgb(READY_GO_COLOUR), {280, 200, 350, 232}, true},
      {PHASE_GAMEOVER, Rgb(GAMEOVER_COLOUR), {200, 200, 480, 232}, true},
      {PHASE_PLAY, Rgb(READY_GO_COLOUR), {150, 195, 500, 235}, false},
      {PHASE_PLAY, Rgb(GAMEOVER_COLOUR), {150, 195, 500, 235}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.phase);
    SetUp();
    game.phase = c.phase;
    game.barY = 374;  // keep the bar out of the banner band
    Dib canvas = Paint();
    int ink = CountColour(canvas, c.area, c.colour);
    if (c.drawn) {
      EXPECT_GT(ink, 40);
    } else {
      EXPECT_EQ(ink, 0);
    }
  }
}

TEST_F(PaintTest, NothingIsDrawnBeforeTheWindowExists) {
  game = GameState();
  game.score = 10;
  Dib canvas = Paint();
  RECT all = {0, 0, CLIENT_WIDTH, CLIENT_HEIGHT};
  EXPECT_EQ(CountColour(canvas, all, GROUND), CLIENT_WIDTH * CLIENT_HEIGHT);
  EXPECT_EQ(game.hiScore, 0u) << "not even the high score moves";
}

TEST_F(PaintTest, PaintRaisesTheHighScoreAndRestoresFontAndPen) {
  struct Case {
    UINT hiScore, score, after;
  } cases[] = {{300, 350, 350}, {500, 350, 500}, {0, 0, 0}, {4294967295u, 7, 4294967295u}};
  for (const Case& c : cases) {
    game.hiScore = c.hiScore;
    game.score = c.score;
    Dib canvas(CLIENT_WIDTH, CLIENT_HEIGHT, GROUND);
    HGDIOBJ font = GetCurrentObject(canvas.Dc(), OBJ_FONT);
    HGDIOBJ pen = GetCurrentObject(canvas.Dc(), OBJ_PEN);
    PaintFrame(canvas.Dc());
    EXPECT_EQ(game.hiScore, c.after) << c.hiScore << " vs " << c.score;
    EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_FONT), font);
    EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_PEN), pen);
  }
}

TEST(ScoreLine, ShowsBothScoresAndFiveLifeMarks) {
  struct Case {
    UINT hiScore, score;
    int lives;
    const char* line;
  } cases[] = {
      {120, 0, 5, "HI-SCORE: 000000120  SCORE: 000000000  LIFE: ●●●●●"},
      {350, 350, 3, "HI-SCORE: 000000350  SCORE: 000000350  LIFE: ●●●○○"},
      {0, 0, 0, "HI-SCORE: 000000000  SCORE: 000000000  LIFE: ○○○○○"},
      {4294967295u, 1234567890, 1, "HI-SCORE: 4294967295  SCORE: 1234567890  LIFE: ●○○○○"},
      {0, 0, -1, "HI-SCORE: 000000000  SCORE: 000000000  LIFE: ○○○○○"},
  };
  for (const Case& c : cases) {
    char text[SCORE_LINE_SIZE];
    FormatScoreLine(text, c.hiScore, c.score, c.lives);
    EXPECT_STREQ(text, c.line);
  }
}

}  // namespace
