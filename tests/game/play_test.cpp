#include <optional>

#include "tests/game/game_fixture.h"

namespace {

// From this calendar second on the classic generator draws: +2, +3 and +4 A, +5 D. The
// ticks of a 700 ms game fall at 2700, 3380, 4040, 4680 and 5300 ms.
constexpr std::int64_t kPinnedEpoch = 1700000521;

TEST_F(GameTest, Random_AWholeGameFromTheFirstKeyToARecord) {
  host.calendarEpoch = kPinnedEpoch;
  dir.Write("best.data", std::string("3\0\xAA\xBB\0\0\0\0", 8));
  w.Click(kRandomMode);
  w.Focus(kInput);
  host.Advance(2000);
  w.Type(kInput, "s");  // typed while "1" is shown: discarded, never judged
  host.Advance(700);
  EXPECT_EQ(Texts({kDisplay, kTip, kInput, kSpeed}),
            (Strings{"A", "Your score: 0", "", "Speed: 0.6800/s"}));

  // Lower-case hits; one key within a second alternates with its marker; the score line
  // shows the hits counted before each tick.
  Strings shown;
  for (const char* typed : {"a", "A", "a", "a"}) {
    shown.push_back(TypeAndTick(typed));
    shown.push_back(w.Text(kTip));
  }
  EXPECT_EQ(shown, (Strings{"A*", "Your score: 0", "A", "Your score: 1", "A*", "Your score: 2", "D",
                            "Your score: 3"}));

  // The record is announced over the missed key, then written: the filler stays.
  Strings underTheMessage;
  host.AnswerBox([&](const std::string& text) {
    underTheMessage = {text, w.Text(kDisplay), dir.Read("best.data").substr(0, 1)};
    return kOk;
  });
  EXPECT_EQ(TypeAndTick("dd"), "FINISH");
  EXPECT_EQ(underTheMessage, (Strings{"You make the new highest score!", "D", "3"}));
  EXPECT_EQ(Texts({kTip, kInput, kBest}),
            (Strings{"Your score: 4\nSELECT ONE MODE TO PLAY AGAIN", "", "Best score: 4"}));
  EXPECT_EQ(dir.Read("best.data"), std::string("4\0\xAA\xBB\0\0\0\0", 8));
  host.Advance(5000);
  EXPECT_EQ(w.Text(kDisplay) + host.boxes.back(), "FINISHYou make the new highest score!");
}

TEST_F(GameTest, Random_AnEqualScoreIsNoRecordAndAnUnsavedOneIsReported) {
  dir.Write("best.data", "1");
  for (const bool failSaves : {false, true}) {
    host.failSaves = failSaves;
    StartAndReachFirstTick(kRandomMode);
    TypeAndTick(ShownKey());
    if (failSaves) TypeAndTick(ShownKey());
    EXPECT_EQ(TypeAndTick("?"), "FINISH");
  }
  EXPECT_EQ(host.boxes,
            (Strings{"You make the new highest score!", "The best score could not be saved."}));
  EXPECT_EQ(w.Text(kBest) + dir.Read("best.data"), "Best score: 21");
}

TEST_F(GameTest, Fixed_EndsAsTheKeysAndTheTypedTextSay) {
  struct Game {
    std::string file;
    Strings shown;  // at the first tick, then each typed text and what follows
    const char* progress;
    std::optional<std::string> fileAfterFirstTick = std::nullopt;
  };
  const Game games[] = {
      {"00000003aab", {"A", "a", "A*", "A", "B", "b", "YOU WIN!"}, "3/3"},
      {"00000004abcd", {"A", "a", "B", "bb", "FINISH"}, "1/4"},  // anything but the key misses
      {"00000002ab", {"A", "", "FINISH"}, "0/2"},
      {"00000002ab", {"A", " a", "FINISH"}, "0/2"},
      {"00000002ab", {"A", "a ", "FINISH"}, "0/2"},
      {"00000002aa", {"A", "a", "A*", "a*", "FINISH"}, "1/2"},
      {"000000021x", {"1*", "1", "X", "x", "YOU WIN!"}, "2/2"},  // like the count's last "1"
      // É, É*, then ÿ and ß, which have no upper case in Latin-1.
      {"00000004\xE9\xE9\xFF\xDF", {"É", "é", "É*", "É", "ÿ", "ÿ", "ß", "ß", "YOU WIN!"}, "4/4"},
      {"00000002\xFF\x61", {"ÿ", "Ÿ", "FINISH"}, "0/2"},  // Ÿ is outside Latin-1: no key
      {std::string("5\0\0\0\0\0\0\0ab", 10), {"A", "a", "B", "b", "FINISH"}, "2/5"},
      {std::string("   5    ab\0cd", 13), {"A", "a", "B", "b", "FINISH"}, "2/5"},
      {"00000003a\r\nb", {"A", "a", "\n", "\n", "B", "b", "YOU WIN!"}, "3/3"},
      {"00000003ab\x1A\x63", {"A", "a", "B", "b", "FINISH"}, "2/3"},
      {"00000000abc", {"FINISH"}, "0/0"},
      {"-3      abc", {"FINISH"}, "0/-3"},
      {"no digit", {"FINISH"}, "0/0"},
      // Changed after the first tick: the new file's key at the score's index follows.
      {"00000003aab", {"A", "a", "Y", "y", "YOU WIN!"}, "2/2", "00000002xy"},
      {"00000003abc", {"A", "a", "FINISH"}, "1/0", ""},
  };
  for (const Game& game : games) {
    SCOPED_TRACE(::testing::PrintToString(game.file));
    host.fileToChoose = dir.Write("k.vts", game.file);
    w.Click(kFixedMode);
    if (!game.fileAfterFirstTick) {
      EXPECT_EQ(w.Text(kKeyFileInfo), "vts info: 0/" + std::string(game.progress).substr(2));
    }
    w.Focus(kInput);
    host.Advance(2700);
    EXPECT_EQ(w.Text(kDisplay), game.shown[0]);
    if (game.fileAfterFirstTick) dir.Write("k.vts", *game.fileAfterFirstTick);
    for (std::size_t i = 1; i < game.shown.size(); i += 2) {
      EXPECT_EQ(TypeAndTick(game.shown[i]), game.shown[i + 1]) << game.shown[i];
    }
    const std::string score = std::string(game.progress).substr(0, 1);
    EXPECT_EQ(Texts({kDisplay, kTip, kKeyFileInfo}),
              (Strings{game.shown.back(),
                       "Your score: " + score + "\nThis mode does not count the highest score.",
                       std::string("vts info: ") + game.progress}));
    EXPECT_EQ(w.TimerPeriod(TIMER_FIXED), 0);
  }
  EXPECT_EQ(dir.Read("best.data"), "");
}

}  // namespace
