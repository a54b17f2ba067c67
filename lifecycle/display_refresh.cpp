#include "lifecycle/display_refresh.h"

#include "audio/balance_rule.h"
#include "core/content_area.h"
#include "core/designed_menus.h"
#include "core/display_mode.h"
#include "core/flags.h"
#include "core/form1.h"

#include <cmath>

namespace {

const QString kPictureSaveAs = QStringLiteral("图象文件另存为(&L)...");
const QString kAudioSaveAs = QStringLiteral("音频文件另存为(&L)...");
const QString kVideoSaveAs = QStringLiteral("视频文件另存为(&L)...");
const QString kFullScreen = QStringLiteral("全屏幕(&Q)");
const QString kRestoreWindow = QStringLiteral("恢复视窗(&Q)");
constexpr double kMinimumWidth = 8520;

void emptyAndPark(MediaPlayer& player)
{
    player.setUrl(QString());
    player.setTop(kParkedTop);
}

} // namespace

void DisplayRefresh::run()
{
    Form1State& s = form_.state;
    if (s.opening_entry == Flag::OpeningEntry)
        return;

    updateSaveAsItem();
    updateFullScreenItem();
    showPlayersForMode();
    applyBalanceRule(form_.WindowsMediaPlayer1, s.balance_step);
    if (form_.WindowsMediaPlayer1.fullScreen())
        return;

    WindowFrame& window = form_.window;
    if (window.windowState() == WindowFrame::Normal && window.width() < kMinimumWidth)
        window.setWidth(kMinimumWidth);
    const ContentArea area = computeArea();

    const QString& mode = s.display_mode;
    if (mode == DisplayMode::Video) {
        placeVideo(area);
    } else if (mode == DisplayMode::Zoom) {
        form_.windowHeightRule();
        form_.zoomPlacement();
    } else if (mode == DisplayMode::Idle || mode == DisplayMode::Picture
               || mode == DisplayMode::Audio || mode == DisplayMode::Cd) {
        form_.chooseStartPictureControl();
        form_.fittedPlacement();
    }
    finalSizing();
}

void DisplayRefresh::updateSaveAsItem()
{
    const QString& mode = form_.state.display_mode;
    MenuItem& item = form_.kuaijiecaidan1[ShortcutItem::SaveAs];
    if (mode == DisplayMode::Idle) {
        item.enabled = false;
        item.caption = kPictureSaveAs;
    } else if (mode == DisplayMode::Picture || mode == DisplayMode::Zoom) {
        item.enabled = true;
        item.caption = kPictureSaveAs;
    } else if (mode == DisplayMode::Audio || mode == DisplayMode::Cd) {
        item.enabled = true;
        item.caption = kAudioSaveAs;
    } else if (mode == DisplayMode::Video) {
        item.enabled = true;
        const bool hasLength = form_.ditiao.caption().right(8) != QLatin1String("00:00:00");
        item.caption = hasLength ? kVideoSaveAs : kPictureSaveAs;
    }
}

void DisplayRefresh::updateFullScreenItem()
{
    MenuItem& item = form_.kuaijiecaidan1[ShortcutItem::FullScreen];
    if (form_.state.display_mode == DisplayMode::Video) {
        item.enabled = true;
        item.caption = form_.WindowsMediaPlayer1.fullScreen() ? kRestoreWindow : kFullScreen;
    } else {
        item.enabled = false;
        item.caption = kFullScreen;
    }
}

void DisplayRefresh::showPlayersForMode()
{
    const QString& mode = form_.state.display_mode;
    MediaPlayer& main = form_.WindowsMediaPlayer1;
    if (mode == DisplayMode::Idle || mode == DisplayMode::Picture || mode == DisplayMode::Zoom) {
        main.setUrl(QString());
        main.setVisible(false);
        form_.Picture1.setVisible(true);
        main.setTop(kParkedTop);
        if (mode != DisplayMode::Idle)
            emptyAndPark(form_.WindowsMediaPlayer2);
    } else if (mode == DisplayMode::Audio || mode == DisplayMode::Cd) {
        form_.Picture1.setVisible(true);
        main.setVisible(false);
        main.setTop(kParkedTop);
    } else if (mode == DisplayMode::Video) {
        form_.Picture1.setVisible(false);
        main.setVisible(true);
        emptyAndPark(form_.WindowsMediaPlayer2);
    }
}

ContentArea DisplayRefresh::computeArea()
{
    form_.chengxutuxiang(QString());
    return contentArea(form_.window.scaleWidth(), form_.window.scaleHeight(),
                       form_.state.top_offset);
}

// Fits the video to the content width; in a maximized window it is centred,
// in a normal one the window's height follows the video.
void DisplayRefresh::placeVideo(ContentArea a)
{
    MediaPlayer& player = form_.WindowsMediaPlayer1;
    WindowFrame& window = form_.window;
    const double w = player.imageSourceWidth().value_or(0);
    const double h = player.imageSourceHeight().value_or(0);
    // A size that cannot be read makes the division fail; the fitted height
    // then counts as 0.
    const double fitH = w > 0 ? std::nearbyint(a.W() * h / w) : 0;

    if (window.windowState() == WindowFrame::Maximized) {
        if (fitH < a.H()) {
            player.setLeft(a.L);
            player.setWidth(a.W() - 20);
            player.setHeight(fitH);
            player.setTop((a.T + a.B) / 2 - player.height() / 2);
        } else {
            player.setTop(a.T);
            player.setHeight(a.H());
            if (h > 0)
                player.setWidth(player.height() * w / h - 20);
            player.setLeft((a.L + a.R) / 2 - player.width() / 2);
        }
    } else if (window.windowState() == WindowFrame::Normal) {
        const double standard = form_.state.standard_height;
        const double threshold = 3990 + form_.state.top_offset;
        player.setWidth(a.W() - 20);
        player.setHeight(fitH);
        player.setLeft(a.L);
        if (fitH >= threshold) {
            player.setTop(a.T);
            window.setHeight(player.height() + standard - threshold);
            computeArea();
        } else {
            window.setHeight(standard);
            a = computeArea();
            player.setTop((a.T + a.B) / 2 - player.height() / 2);
        }
    }
}

// The start-picture player and the stretched image take the frame's inner
// size; the image and the print preview show the natural-size picture.
void DisplayRefresh::finalSizing()
{
    const PlacedControl& frame = form_.Picture1;
    for (PlacedControl* c : {static_cast<PlacedControl*>(&form_.WindowsMediaPlayer2),
                             static_cast<PlacedControl*>(&form_.Image1)}) {
        if (c->width() != frame.width() || c->height() != frame.height()) {
            c->setWidth(frame.width());
            c->setHeight(frame.height());
        }
    }
    if (form_.Image1.picture().cacheKey() != form_.Image2.picture().cacheKey())
        form_.Image1.setPicture(form_.Image2.picture());
    if (form_.printPreviewImage.picture().cacheKey() != form_.Image2.picture().cacheKey())
        form_.printPreviewImage.setPicture(form_.Image2.picture());
}
