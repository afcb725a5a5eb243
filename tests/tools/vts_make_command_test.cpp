#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <initializer_list>
#include <string>

#include "data/key_file.h"
#include "tests/support/temp_dir.h"

using namespace std::string_literals;

namespace {

struct Ran {
  int exitCode;
  std::string output;  // standard output and standard error together
};

std::string Quoted(const std::string& arg) {
  std::string quoted = "'";
  for (const char c : arg) quoted += c == '\'' ? "'\\''"s : std::string(1, c);
  return quoted + "'";
}

Ran VtsMake(std::initializer_list<std::string> args) {
  std::string command = Quoted(VTS_MAKE);
  for (const std::string& arg : args) command += " " + Quoted(arg);
  command += " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  std::string output;
  char buffer[256];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    output.append(buffer, n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

TEST(VtsMakeCommand, BadUsageFailsWithTheUsageLines) {
  for (const std::initializer_list<std::string> args : {
           std::initializer_list<std::string>{},
           {"-o"},
           {"-o", "home.vts"},
           {"--info"},
           {"--info", "a.vts", "b.vts"},
           {"-o", "home.vts", "asdf", "jkl;"},
           {"--keys", "asdf"},
           {"asdf"},
       }) {
    const Ran ran = VtsMake(args);
    EXPECT_EQ(ran.exitCode, 2);
    EXPECT_EQ(ran.output.rfind("usage: vts-make -o FILE KEYS", 0), 0u) << ran.output;
  }
  const Ran help = VtsMake({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_EQ(help.output.rfind("usage: vts-make", 0), 0u) << help.output;
}

TEST(VtsMakeCommand, WritesAKeyFileAndTellsWhatTheGameReadsFromIt) {
  TempDir dir;
  const std::string path = dir.Path() + "home row.vts";
  const Ran made = VtsMake({"-o", path, "asdfjkl;"});
  EXPECT_EQ(made.exitCode, 0) << made.output;
  const KeyFile read = ReadKeyFile(path);
  EXPECT_EQ(read.count, 8);
  EXPECT_EQ(read.keys, "asdfjkl;");

  const Ran info = VtsMake({"--info", path});
  EXPECT_EQ(info.exitCode, 0);
  EXPECT_EQ(info.output, "count: 8\nkeys (8): A S D F J K L ;\n");
}

TEST(VtsMakeCommand, RefusedKeysFailPlainlyAndWriteNothing) {
  TempDir dir;
  const Ran ran = VtsMake({"-o", dir.Path() + "crlf.vts", "as\r\ndf"});
  EXPECT_EQ(ran.exitCode, 1);
  EXPECT_EQ(ran.output,
            "vts-make: keys 3 and 4 are CR LF, which the game reads as a single LF; "
            "nothing written\n");
  EXPECT_FALSE(dir.Exists("crlf.vts"));
}

TEST(VtsMakeCommand, InfoPrintsTheWarningsAndFailsOnAFileItCannotRead) {
  TempDir dir;
  const Ran info = VtsMake({"--info", dir.Write("short.vts", "5\0\0\0\0\0\0\0ab\0cd"s)});
  EXPECT_EQ(info.exitCode, 0);
  EXPECT_EQ(info.output,
            "count: 5\nkeys (2): A B\n"
            "warning: the count is 5 but the game gets 2 keys: a NUL byte after them ends the "
            "sequence\n");

  const Ran missing = VtsMake({"--info", dir.Path() + "missing.vts"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.output.find("vts-make: cannot read"), std::string::npos) << missing.output;
}

}  // namespace
