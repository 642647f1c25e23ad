// The shipped help pages: each has a title, every link between pages arrives somewhere, and the
// contents page leads to every page.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QString>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace curvedesk::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kContentsPage = "index.html";

struct Link {
  std::string page;    // the file the link names
  std::string anchor;  // the part after "#", empty when none
};

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Links that stay inside the help folder; web and mail addresses leave the help and are not checked.
std::vector<Link> RelativeLinks(const std::string& html) {
  static const QRegularExpression href(QStringLiteral(R"re(href\s*=\s*"([^"]*)")re"),
                                       QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression external(QStringLiteral(R"(^[a-z][a-z0-9+.-]*:)"),
                                           QRegularExpression::CaseInsensitiveOption);
  std::vector<Link> links;
  for (const QRegularExpressionMatch& match : href.globalMatch(QString::fromStdString(html))) {
    const std::string target = match.captured(1).toStdString();
    if (external.match(QString::fromStdString(target)).hasMatch()) continue;
    const auto hash = target.find('#');
    links.push_back({target.substr(0, hash), hash == std::string::npos ? "" : target.substr(hash + 1)});
  }
  return links;
}

bool HasAnchor(const std::string& html, const std::string& anchor) {
  for (const char* attribute : {"name", "id"})
    if (html.find(std::string(attribute) + "=\"" + anchor + "\"") != std::string::npos) return true;
  return false;
}

class HelpPagesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    pages_.clear();
    for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(CURVEDESK_SOURCE_DATA_DIR) / "help"))
      if (entry.path().extension() == ".html") pages_[entry.path().filename().string()] = ReadAll(entry.path());
  }

  static std::map<std::string, std::string> pages_;  // file name -> HTML
};

std::map<std::string, std::string> HelpPagesTest::pages_;

TEST_F(HelpPagesTest, EveryPageHasATitle) {
  ASSERT_TRUE(pages_.count(kContentsPage));
  static const QRegularExpression title(QStringLiteral(R"(<title>\s*([^<]*\S)\s*</title>)"),
                                        QRegularExpression::CaseInsensitiveOption);
  for (const auto& [name, html] : pages_) {
    EXPECT_TRUE(title.match(QString::fromStdString(html)).hasMatch()) << name;
  }
}

TEST_F(HelpPagesTest, EveryRelativeLinkFindsItsPage) {
  for (const auto& [name, html] : pages_) {
    for (const Link& link : RelativeLinks(html)) {
      const std::string page = link.page.empty() ? name : link.page;
      const auto target = pages_.find(page);
      EXPECT_NE(target, pages_.end()) << name << " links to the missing page " << page;
      if (target != pages_.end() && !link.anchor.empty()) {
        EXPECT_TRUE(HasAnchor(target->second, link.anchor)) << name << " links to " << page << "#" << link.anchor;
      }
    }
  }
}

TEST_F(HelpPagesTest, EveryPageLinksBackToTheContents) {
  for (const auto& [name, html] : pages_) {
    if (name == kContentsPage) continue;
    bool linked = false;
    for (const Link& link : RelativeLinks(html)) linked = linked || link.page == kContentsPage;
    EXPECT_TRUE(linked) << name;
  }
}

TEST_F(HelpPagesTest, EveryPageIsReachableFromTheContents) {
  std::set<std::string> reached{kContentsPage};
  std::vector<std::string> toVisit{kContentsPage};
  while (!toVisit.empty()) {
    const std::string page = toVisit.back();
    toVisit.pop_back();
    const auto found = pages_.find(page);
    if (found == pages_.end()) continue;
    for (const Link& link : RelativeLinks(found->second))
      if (!link.page.empty() && reached.insert(link.page).second) toVisit.push_back(link.page);
  }
  for (const auto& entry : pages_) {
    EXPECT_TRUE(reached.count(entry.first)) << entry.first << " is not reachable";
  }
}

}  // namespace
}  // namespace curvedesk::testing
