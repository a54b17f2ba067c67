#include "browse/window/preview_panel.h"

#include "browse/form5_design.h"
#include "browse/window/panel_parts.h"

#include <QEvent>
#include <QLabel>

namespace {

// The panel's face; the knob skins are drawn on the same colour.
constexpr auto kPanelStyle =
    "#Frame2 { background: #f4f6f9; border: 1px solid #c9d3de; border-radius: 4px; }";
constexpr auto kOutlineStyle = "#Shape1 { border: 1px solid #8a98a8; background: transparent; }";

const std::array<TwipsRect, 2> kTracks{Form5Design::VolumeTrack, Form5Design::ProgressTrack};
const std::array<TwipsRect, 2> kCaptions{Form5Design::VolumeCaption, Form5Design::ProgressCaption};

} // namespace

PreviewPanel::PreviewPanel(Form1& form, const MpvPlayerOptions& playerOptions, QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame2"));
    setStyleSheet(QLatin1String(kPanelStyle));
    const TwipsRect frame = Form5Design::Frame2;
    setFixedSize(TwipsRect{0, 0, frame.width, frame.height}.toPixels().size());
    resetsHover(this);
    createBox(playerOptions);
    createChecks();
    createSlider(0, QStringLiteral("声  音"));
    createSlider(1, QStringLiteral("进  度"));
    form5_ = std::make_unique<Form5>(
        form, Form5Controls{*image1_, *shape1_, *placeholder_, *player_, *checks_[0], *checks_[1],
                            *knobs_[0], *knobs_[1]});
    connectInput();
}

PreviewPanel::~PreviewPanel()
{
    form5_.reset();
    player_.reset();
}

// Image1 lies under the outline and the placeholder, which show only
// while it is empty; the player's picture comes above them.
void PreviewPanel::createBox(const MpvPlayerOptions& playerOptions)
{
    auto* image = new StretchedImageView(this);
    resetsHover(image);
    image1_ = std::make_unique<WidgetImage>(image);
    auto* outline = new QFrame(this);
    resetsHover(outline);
    outline->setObjectName(QStringLiteral("Shape1"));
    outline->setStyleSheet(QLatin1String(kOutlineStyle));
    shape1_ = std::make_unique<WidgetControl>(outline);
    auto* label = new QLabel(this);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: #6d7c8c;"));
    resetsHover(label);
    placeholder_ = std::make_unique<WidgetLabel>(label);
    player_ = std::make_unique<MpvMediaPlayer>(this, playerOptions);
}

void PreviewPanel::createChecks()
{
    for (int i = 0; i < 2; ++i) {
        auto* box = new QCheckBox(this);
        resetsHover(box);
        checks_[i] = std::make_unique<WidgetCheckBox>(box);
    }
}

void PreviewPanel::createSlider(int index, const QString& caption)
{
    auto* label = new QLabel(caption, this);
    label->setGeometry(kCaptions[index].toPixels());
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    resetsHover(label);
    auto* track = new TrackView(this);
    track->setGeometry(kTracks[index].toPixels());
    resetsHover(track);
    auto* knob = new KnobView(this);
    knob->setMouseTracking(true);
    knob->setCursor(Qt::PointingHandCursor);
    // A screen reader names the knob by its caption ("声  音" reads as 声音).
    knob->setAccessibleName(QString(caption).remove(QLatin1Char(' ')));
    knobs_[index] = std::make_unique<WidgetImage>(knob);
}

void PreviewPanel::connectInput()
{
    Form5& f = *form5_;
    for (int i = 0; i < 2; ++i) {
        connect(checks_[i]->box(), &QCheckBox::clicked, this, [&f, i] { f.Check2_Click(i); });
        auto* knob = static_cast<KnobView*>(knobs_[i]->view());
        connect(knob, &KnobView::pressed, this, [&f, i](int b, int s, double x, double y) {
            f.huakuai_MouseDown(i, b, s, x, y);
        });
        connect(knob, &KnobView::moved, this, [&f, i](int b, int s, double x, double y) {
            f.huakuai_MouseMove(i, b, s, x, y);
        });
        connect(knob, &KnobView::released, this, [&f, i](int b, int s, double x, double y) {
            f.huakuai_MouseUp(i, b, s, x, y);
        });
    }
}

void PreviewPanel::resetsHover(QWidget* widget)
{
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

bool PreviewPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove && form5_)
        form5_->hoverReset();
    return QFrame::eventFilter(watched, event);
}
