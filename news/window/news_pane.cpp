#include "news/window/news_pane.h"

#include "news/link_rules.h"

#include <QFileInfo>
#include <QTimer>

NewsPane::NewsPane(QWidget* parent) : QTextBrowser(parent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setFrameShape(QFrame::NoFrame);
    // The header picture of the box beneath shows through the page.
    viewport()->setAutoFillBackground(false);
    setStyleSheet(QStringLiteral("QTextBrowser { background: transparent; }"));
    setAccessibleName(QStringLiteral("新闻"));
    connect(this, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& link) { emit NewWindow2(source().resolved(link)); });
}

void NewsPane::navigate(const QUrl& page)
{
    busy_ = true;
    emit DownloadBegin();
    QTimer::singleShot(0, this, [this, page] { finishLoading(page); });
}

void NewsPane::finishLoading(const QUrl& page)
{
    if (page.isLocalFile() && QFileInfo(page.toLocalFile()).isReadable())
        setSource(page);
    else
        clear(); // a page that cannot be read shows nothing
    busy_ = false;
    emit DownloadComplete();
}

// Only local files are read; a missing picture stays empty.
QVariant NewsPane::loadResource(int type, const QUrl& name)
{
    const QUrl address = source().resolved(name);
    if (!address.isLocalFile() || !QFileInfo(address.toLocalFile()).isReadable()) {
        if (!Silent)
            qWarning("news pane: cannot load %s", qPrintable(address.toString()));
        return {};
    }
    return QTextBrowser::loadResource(type, address);
}

bool NewWindowPane::BeforeNavigate2(const QUrl& address) const
{
    if (opensInBrowser(address) && openUrl)
        openUrl(address);
    return true;
}
