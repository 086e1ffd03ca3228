#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "publishing/web_log_page.h"
#include "publishing/web_log_tail.h"
#include "scratch_folder.h"

namespace korvix {
namespace {

constexpr char kHeader[] = "Date,Time,Temp\r\n";

std::string NumberedLog(int rows) {
  std::string log = "n,value\r\n";
  for (int i = 1; i <= rows; ++i) log += std::to_string(i) + ",v\r\n";
  return log;
}

// First cells of the page's data rows, and "T" for every title row.
std::vector<std::string> PageRows(const std::string& page) {
  std::vector<std::string> rows;
  for (std::size_t at = 0; (at = page.find("<tr", at)) != std::string::npos; ++at) {
    if (page.compare(at, 8, "<tr><th>") == 0) {
      rows.push_back("T");
    } else {
      const std::size_t cell = page.find("<td>", at) + 4;
      rows.push_back(page.substr(cell, page.find("</td>", cell) - cell));
    }
  }
  return rows;
}

struct PageCase {
  const char* name;
  int rowsinlog;
  int nth;
  int total;
  int titlerows;
  std::vector<std::string> expected;
};

std::vector<std::string> Numbers(int from, int to, int step) {
  std::vector<std::string> out;
  for (int i = from; i <= to; i += step) out.push_back(std::to_string(i));
  return out;
}

std::vector<std::string> WithTitles(std::vector<std::string> rows, int every) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i == 0 || (every > 0 && i % static_cast<std::size_t>(every) == 0)) out.push_back("T");
    out.push_back(rows[i]);
  }
  return out;
}

TEST(WebLogPage, TwoRowPageWithDefaultsIsExact) {
  const WebLogSettings defaults;
  const std::string page = BuildWebLogPage(defaults, kHeader, "12/10/26,17:00:00,23.5\r\n12/10/26,17:00:01,23.6\r\n");
  EXPECT_EQ(page,
            "<html>\r\n<head>\r\n<title>Korvix Web Log</title>\r\n<meta name=ROBOTS content=NOINDEX>\r\n"
            "</head>\r\n\r\n<body bgcolor=#D0C299 text=#663300>\r\n\r\n<center>\r\n"
            "<h2 style=font-size:24px>Korvix Web Log</h2>\r\n\r\n"
            "<table style=font-size:16px border=2 cellspacing=1 cellpadding=5>\r\n"
            "<tr><th>Date</th><th>Time</th><th>Temp</th></tr>\r\n"
            "<tr align=center><td>12/10/26</td><td>17:00:00</td><td>23.5</td></tr>\r\n"
            "<tr align=center><td>12/10/26</td><td>17:00:01</td><td>23.6</td></tr>\r\n"
            "</table>\r\n\r\n</center>\r\n</body>\r\n</html>\r\n");
}

TEST(WebLogPage, RowsAndTitleRowsFollowTheSettings) {
  const std::vector<PageCase> cases = {
      {"every 2nd of 120, 50 kept", 120, 2, 50, 0, WithTitles(Numbers(22, 120, 2), 0)},
      {"N 0 counts as 1", 5, 0, 3, 0, WithTitles(Numbers(3, 5, 1), 0)},
      {"fewer rows than asked", 4, 3, 50, 0, WithTitles(Numbers(1, 4, 3), 0)},
      {"total 0: no rows, no title", 10, 1, 0, 8, {}},
      {"negative total as 0", 10, 1, -5, 8, {}},
      {"header only", 0, 1, 50, 8, {}},
      {"titles above 1, 9 and 17 of 20", 20, 1, 20, 8, WithTitles(Numbers(1, 20, 1), 8)},
      {"16 rows: twice", 16, 1, 16, 8, WithTitles(Numbers(1, 16, 1), 8)},
      {"titles 0: top only", 20, 1, 20, 0, WithTitles(Numbers(1, 20, 1), 0)},
  };
  for (const PageCase& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchFolder folder;
    WriteFile(folder / "log.csv", NumberedLog(c.rowsinlog));
    int linelen = 0;
    const WebLogTail tail = ReadWebLogTail(folder / "log.csv", c.nth, c.total, linelen);
    ASSERT_EQ(tail.status, WebLogTailStatus::Read);
    WebLogSettings settings;
    settings.m_weblogtitlerows = c.titlerows;
    const std::string page = BuildWebLogPage(settings, tail.header, SelectWebLogRows(tail.data, c.nth, c.total));
    EXPECT_EQ(PageRows(page), c.expected);
  }
  EXPECT_EQ(Numbers(22, 120, 2).size(), 50u);
}

TEST(WebLogPage, CellsAreEscapedButTheHeaderIsAsTyped) {
  WebLogSettings settings;
  settings.m_weblogtitle = "<b>Plant</b>";
  const std::string page = BuildWebLogPage(settings, "a&b,\"c\"\r\n", "<script>,x>y\r\n");
  EXPECT_NE(page.find("<title><b>Plant</b></title>"), std::string::npos);
  EXPECT_NE(page.find("<tr><th>a&amp;b</th><th>&quot;c&quot;</th></tr>"), std::string::npos);
  EXPECT_NE(page.find("<td>&lt;script&gt;</td><td>x&gt;y</td>"), std::string::npos);
}

TEST(WebLogPage, ColoursAndFontSizes) {
  WebLogSettings settings;
  settings.m_weblogtextcolor = 0x0000FF;
  settings.m_weblogbgcolor = 0x102030;
  settings.m_weblogfontsize = 9;
  std::string page = BuildWebLogPage(settings, kHeader, "");
  EXPECT_NE(page.find("<body bgcolor=#302010 text=#FF0000>"), std::string::npos);
  EXPECT_NE(page.find("<h2 style=font-size:38px>"), std::string::npos);
  EXPECT_NE(page.find("<table style=font-size:28px "), std::string::npos);
  settings.m_weblogfontsize = 10;
  page = BuildWebLogPage(settings, kHeader, "");
  EXPECT_NE(page.find("<h2 style=font-size:px>"), std::string::npos);
  EXPECT_NE(page.find("<table style=font-size:px "), std::string::npos);
}

TEST(WebLogTail, LineEndsAtTheEdges) {
  struct Case {
    const char* name;
    const char* log;
    const char* rows;
  };
  const std::vector<Case> cases = {
      {"last line without CR LF is a row", "a,b\r\n1,2\r\n3,4", "1,2\r\n3,4"},
      {"header without LF leaves no rows", "a,b", ""},
      {"header with LF only", "a,b\r\n", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchFolder folder;
    WriteFile(folder / "log.csv", c.log);
    int linelen = 0;
    const WebLogTail tail = ReadWebLogTail(folder / "log.csv", 1, 50, linelen);
    ASSERT_EQ(tail.status, WebLogTailStatus::Read);
    EXPECT_EQ(SelectWebLogRows(tail.data, 1, 50), c.rows);
  }
}

TEST(WebLogTail, MissingLockedFolderAndEmptyLogs) {
  ScratchFolder folder;
  WriteFile(folder / "empty.csv", "");
  WriteFile(folder / "locked.csv", kHeader);
  std::filesystem::create_directory(folder / "folder.csv");
  const int holder = ::open((folder / "locked.csv").c_str(), O_RDONLY);
  ASSERT_EQ(::flock(holder, LOCK_EX), 0);
  const std::vector<std::pair<std::string, WebLogTailStatus>> cases = {
      {"missing.csv", WebLogTailStatus::OpenFailed},
      {"locked.csv", WebLogTailStatus::OpenFailed},
      {"folder.csv", WebLogTailStatus::ReadFailed},
      {"empty.csv", WebLogTailStatus::Empty},
  };
  for (const auto& [name, status] : cases) {
    SCOPED_TRACE(name);
    int linelen = 0;
    EXPECT_EQ(ReadWebLogTail(folder / name, 1, 50, linelen).status, status);
  }
  ::close(holder);
  EXPECT_FALSE(std::filesystem::exists(folder / "missing.csv"));
}

TEST(WebLogTail, LargeLogIsReadOnlyToTheTailAndOneLine) {
  ScratchFolder folder;
  std::string header;
  for (int c = 0; c < 20; ++c) header += (c ? "," : "") + std::string("column") + std::to_string(c);
  header += "\r\n";
  std::string row;
  for (int c = 0; c < 20; ++c) row += (c ? "," : "") + std::string("123.456");
  std::string log = header;
  int rows = 0;
  while (log.size() < 10'000'000) log += std::to_string(++rows) + "," + row + "\r\n";
  WriteFile(folder / "big.csv", log);

  int linelen = 0;
  WebLogTail tail = ReadWebLogTail(folder / "big.csv", 1, 50, linelen);
  ASSERT_EQ(tail.status, WebLogTailStatus::Read);
  const uint64_t firsttail = WebLogTailSize(9 * 20, 20, 1, 50);
  const uint64_t linesize = row.size() + 12;
  EXPECT_LE(tail.bytesread, header.size() + firsttail + linesize);
  const std::string newest = SelectWebLogRows(tail.data, 1, 50);
  EXPECT_EQ(newest.substr(0, newest.find(',')), std::to_string(rows - 49));

  // Once the real line length is known, the tail holds every row needed.
  tail = ReadWebLogTail(folder / "big.csv", 2, 50, linelen);
  EXPECT_LE(tail.bytesread, header.size() + WebLogTailSize(linelen, 20, 2, 50) + linesize);
  const std::string kept = SelectWebLogRows(tail.data, 2, 50);
  EXPECT_EQ(kept.substr(0, kept.find(',')), std::to_string(rows - 98));
}

}  // namespace
}  // namespace korvix
