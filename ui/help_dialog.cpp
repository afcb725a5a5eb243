// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/help_dialog.h"

#include "game/website.h"
#include "seam/ids.h"

namespace {

// Ten lines joined by line feeds.
std::string HelpText() {
  return std::string("It's simple! Just follow the tips and press the keyboard.\n") +
         "\"*\" means the same word appears again.\n" +
         "As time goes on, the speed will be faster and faster. Are you ready?\n" +
         "You can choose [No speed change] so that it won't get faster, but the initial speed "
         "will get faster.\n" +
         "You can choose [Hell mode] and try hell mode. It's a little difficult. You can do it.\n" +
         "In fixed mode, there are not only six keys('a','s','d','J','k','l').\n" +
         "Do you want to get more vantosh files (*. VTS)? Visit our website for more "
         "information, \n" +
         "or you can use the tools on our website to make your own.\n" +
         "Our website is: " + kWebsiteAddress + "\n" + "Enjoy yourself!";
}

}  // namespace

CHelpDialog::CHelpDialog(Host& host)
    : CWebsiteDialog(host, ids::kHelpDialog), m_strHelp(HelpText()) {}

void CHelpDialog::DoDataExchange(CDataExchange* pDX) { DDX_Text(pDX, ids::kHelpText, m_strHelp); }
