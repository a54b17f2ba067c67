#include "doubles/test_names.h"
#include "news/window/news_pane.h"

#include <QDesktopServices>
#include <gtest/gtest.h>

namespace {

struct LinkCase {
    const char* name;
    const char* address;
    bool opened;
};

class LinkRules : public ::testing::TestWithParam<LinkCase> {};

// The second pane cancels every navigation; only a long web address
// reaches the user's browser.
TEST_P(LinkRules, SecondPaneCancelsAndHandsOnlyLongWebAddressesOn)
{
    NewWindowPane pane;
    QList<QUrl> opened;
    pane.openUrl = [&](const QUrl& url) { opened << url; return true; };
    const QUrl address(QString::fromUtf8(GetParam().address));
    EXPECT_TRUE(pane.BeforeNavigate2(address));
    const QList<QUrl> expected = GetParam().opened ? QList<QUrl>{address} : QList<QUrl>{};
    EXPECT_EQ(opened, expected);
}

INSTANTIATE_TEST_SUITE_P(
    News, LinkRules,
    ::testing::Values(LinkCase{"http", "http://example.org/news/1.html", true},
                      LinkCase{"https", "https://example.org/", true},
                      LinkCase{"upper case scheme", "HTTPS://example.org/", true},
                      LinkCase{"mailto", "mailto:editor@example.org", false},
                      LinkCase{"javascript", "javascript:window.open('http://example.org')", false},
                      LinkCase{"local file", "file:///etc/passwd-and-more", false},
                      LinkCase{"relative link", "news/2026/story.html", false},
                      LinkCase{"fifteen characters", "http://a.org/xy", false},
                      LinkCase{"sixteen characters", "http://a.org/xyz", true}),
    TestNames::ByName());

// The real hand-over: through the desktop's URL handler, which the test takes over.
class UrlRecorder : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url) { urls << url; }

public:
    QList<QUrl> urls;
};

TEST(LinkRules, ReachTheUsersBrowserThroughTheDesktop)
{
    UrlRecorder browser;
    QDesktopServices::setUrlHandler("https", &browser, "open");
    QDesktopServices::setUrlHandler("mailto", &browser, "open");
    NewWindowPane pane;
    pane.BeforeNavigate2(QUrl("https://example.org/story"));
    pane.BeforeNavigate2(QUrl("mailto:editor@example.org"));
    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::unsetUrlHandler("mailto");
    EXPECT_EQ(browser.urls, QList<QUrl>{QUrl("https://example.org/story")});
}

} // namespace

#include "link_rules_test.moc"
