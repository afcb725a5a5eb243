#include <gtest/gtest.h>

#include <QStandardPaths>

#include <cstdio>

#include "tests/support/temp_dir.h"
#include "ui/qt_host.h"

namespace {

TEST(QtHostServices, KeepsDataBesideAWritableFolderElseInTheUsersDataDirectory) {
  QStandardPaths::setTestModeEnabled(true);
  QtHost host;
  TempDir beside;
  EXPECT_EQ(host.DataDirectory(beside.Path()), beside.Path());

  const std::string own = host.DataDirectory("/nonexistent/quellabox/");
  EXPECT_EQ(own,
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString() + "/");
  // The directory is made, so a record can be written there at once.
  EXPECT_TRUE(host.SaveFileAtomically(own + "probe", "x"));
  std::remove((own + "probe").c_str());
  QStandardPaths::setTestModeEnabled(false);
}

TEST(QtHostServices, TurnsAnOpenFileFilterIntoQtNameFilters) {
  EXPECT_EQ(QtNameFilters("vantosh file(*.vts)|*.vts||"), "vantosh file(*.vts)");
  EXPECT_EQ(QtNameFilters("Key files|*.vts;*.txt|All|*||"), "Key files (*.vts *.txt);;All (*)");
}

TEST(QtHostServices, ReplacesAFileWholeAndRefusesWhereItCannotWrite) {
  QtHost host;
  TempDir dir;
  dir.Write("best.data", "old");
  EXPECT_TRUE(host.SaveFileAtomically(dir.Path() + "best.data", std::string("12\0\0\0\0\0\0", 8)));
  EXPECT_EQ(dir.Read("best.data"), std::string("12\0\0\0\0\0\0", 8));
  EXPECT_FALSE(host.SaveFileAtomically(dir.Path() + "missing/best.data", "x"));
}

}  // namespace
