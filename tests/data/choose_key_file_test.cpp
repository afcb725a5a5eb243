#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/choose_key_file.h"
#include "tests/support/scripted_host.h"

namespace {

const std::string kOffer =
    "Would you like to get more vantosh files? Visit our website to get more or you can make "
    "them by yourself with our tools on our website. Click [OK] to visit our "
    "website(https://vantosh.example.com/).";

TEST(ChooseKeyFileTest, ChooseKeyFile_ReturnsTheChosenPathWithoutAPrompt) {
  ScriptedHost host;
  host.AnswerFileDialog([](const OpenFileRequest&) { return std::string("/keys/level 1.vts"); });
  EXPECT_EQ(ChooseKeyFile(), "/keys/level 1.vts");
  ASSERT_EQ(host.fileDialogs.size(), 1u);
  EXPECT_EQ(host.fileDialogs[0].defaultExtension, "vts");
  EXPECT_EQ(host.fileDialogs[0].filter, "vantosh file(*.vts)|*.vts||");
  EXPECT_EQ(host.fileDialogs[0].flags, 0u);
  EXPECT_TRUE(host.messageBoxes.empty());
  EXPECT_TRUE(host.shellOpened.empty());
}

TEST(ChooseKeyFileTest, ChooseKeyFile_CancelOffersTheWebsiteAndOkOpensIt) {
  for (const int answer : {IDOK, IDCANCEL}) {
    ScriptedHost host;
    host.AnswerFileDialog([](const OpenFileRequest&) { return std::nullopt; });
    host.AnswerMessageBox(answer);
    EXPECT_EQ(ChooseKeyFile(), std::nullopt);
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].text, kOffer);
    EXPECT_EQ(host.messageBoxes[0].type, MB_OKCANCEL);
    const std::vector<std::string> opened =
        answer == IDOK ? std::vector<std::string>{"https://vantosh.example.com/"}
                       : std::vector<std::string>{};
    EXPECT_EQ(host.shellOpened, opened);
  }
}

}  // namespace
