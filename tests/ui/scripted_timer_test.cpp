#include <gtest/gtest.h>

#include <vector>

#include "tests/support/scripted_host.h"
#include "ui/dialog.h"

namespace {

// A dialog that records its ticks with their virtual times.
class TickRecorder : public CDialog {
 public:
  explicit TickRecorder(ScriptedHost& host) : CDialog(130), m_host(host) {}
  void OnTimer(unsigned id) override { ticks.push_back({id, m_host.Now()}); }
  std::vector<std::pair<unsigned, std::int64_t>> ticks;

 private:
  ScriptedHost& m_host;
};

TEST(ScriptedTimers, FireInTimeOrderRestartWhenSetAgainAndRunAtTenMsAtLeast) {
  ScriptedHost host;
  TickRecorder dlg(host);
  ScriptedWindow& w = host.Open(dlg);
  dlg.KillTimer(1);  // a timer that never ran: nothing happens
  dlg.SetTimer(2, 1000);
  dlg.SetTimer(0, 700);
  host.Advance(1400);
  dlg.SetTimer(0, 300);  // restarts from now with the new period
  host.Advance(700);
  EXPECT_EQ(dlg.ticks, (std::vector<std::pair<unsigned, std::int64_t>>{
                           {0, 700}, {2, 1000}, {0, 1400}, {0, 1700}, {2, 2000}, {0, 2000}}));

  dlg.KillTimer(0);
  dlg.KillTimer(2);
  dlg.ticks.clear();
  dlg.SetTimer(1, -5);
  EXPECT_EQ(w.TimerPeriod(1), 10);
  host.Advance(30);
  EXPECT_EQ(dlg.ticks.size(), 3u);
  dlg.KillTimer(1);
  host.Advance(100);
  EXPECT_EQ(dlg.ticks.size(), 3u);
}

TEST(ScriptedTimers, TickWhileAMessageBoxIsOpen) {
  ScriptedHost host;
  TickRecorder dlg(host);
  host.Open(dlg);
  dlg.SetTimer(0, 100);
  host.AnswerMessageBox([&](const ScriptedHost::MessageBoxCall&) {
    host.Advance(250);
    return IDOK;
  });
  AfxMessageBox("Really?", MB_OKCANCEL);
  EXPECT_EQ(dlg.ticks.size(), 2u);
  EXPECT_EQ(host.Now(), 250);
}

}  // namespace
