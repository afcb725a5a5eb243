#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "data/choose_key_file.h"
#include "tests/support/scripted_host.h"

namespace {

const std::string kWebsite = "https://vantosh.example.com/";
const std::string kOffer =
    "Would you like to get more vantosh files? Visit our website to get more or you can make "
    "them by yourself with our tools on our website. Click [OK] to visit our website(" +
    kWebsite + ").";

TEST(ChooseKeyFile, GivesTheChosenVtsFileOrOffersTheWebsiteAndOpensItOnOk) {
  const struct {
    std::optional<std::string> chosen;
    int answer;  // to the offer, when there is one
    std::vector<std::string> opened;
  } cases[] = {
      {"/keys/level 1.vts", IDOK, {}},
      {std::nullopt, IDOK, {kWebsite}},
      {std::nullopt, IDCANCEL, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    ScriptedHost host;
    host.AnswerFileDialog([&](const OpenFileRequest&) { return c.chosen; });
    host.AnswerMessageBox(c.answer);
    EXPECT_EQ(ChooseKeyFile(), c.chosen);
    ASSERT_EQ(host.fileDialogs.size(), 1u);
    EXPECT_EQ(host.fileDialogs[0].defaultExtension, "vts");
    EXPECT_EQ(host.fileDialogs[0].filter, "vantosh file(*.vts)|*.vts||");
    EXPECT_EQ(host.fileDialogs[0].flags, 0u);
    EXPECT_EQ(host.messageBoxes.size(), c.chosen ? 0u : 1u);
    for (const auto& box : host.messageBoxes) {
      EXPECT_EQ(box.text, kOffer);
      EXPECT_EQ(box.type, MB_OKCANCEL);
    }
    EXPECT_EQ(host.shellOpened, c.opened);
  }
}

}  // namespace
