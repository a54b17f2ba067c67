#include "registration/window/form3_window.h"

#include "chrome/window/skinned_button_view.h"
#include "platform/qt_dialogs.h"
#include "platform/twips.h"
#include "registration/form3.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalBlocker>

#include <algorithm>

namespace {

using namespace RegistrationTypes;

constexpr double kItemWidth = 880; // a check box and its label
constexpr double kItemRow = 330;
constexpr int kPerRow = 3;

void place(QWidget* w, double left, double top, double width, double height)
{
    w->setGeometry(TwipsRect{left, top, width, height}.toPixels());
}

struct FramePlace {
    double left, top;
    int rows;
};

// Left column: video, audio, disc; right column: pictures, lists, Flash.
FramePlace framePlace(int group)
{
    switch (group) {
    case Disc: return {120, 1830, 1};
    case Picture: return {3060, 60, 4};
    case Video: return {120, 60, 2};
    case Audio: return {120, 1110, 1};
    case List: return {3060, 1770, 1};
    default: return {3060, 2490, 1};
    }
}

} // namespace

Form3Window::Form3Window(Form3& model, const QString& programDir)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::WindowMinimizeButtonHint),
      model_(model), dialogs_(std::make_unique<QtDialogs>(this))
{
    setWindowTitle(Form3::Caption);
    setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    createFrames();
    createTypes();
    createButtons(programDir);
    model_.dialogs = dialogs_.get();
    model_.changed.connect(this, [this] { refresh(); });
    model_.hideWindow.connect(this, [this] { hide(); });
    refresh();
}

Form3Window::~Form3Window()
{
    if (model_.dialogs == dialogs_.get())
        model_.dialogs = nullptr;
}

void Form3Window::createFrames()
{
    for (int g = 0; g < kGroupCount; ++g) {
        const FramePlace p = framePlace(g);
        Frame1_[g] = new QGroupBox(groupCaption(g), this);
        place(Frame1_[g], p.left, p.top, 180 + kPerRow * kItemWidth, 330 + p.rows * kItemRow);
    }
    Frame1_[Flash]->hide();
}

void Form3Window::createTypes()
{
    std::array<int, kGroupCount> placed{};
    for (int i = 0; i < kCount; ++i) {
        const Group g = table()[i].group;
        const int n = placed[g]++;
        const double left = 120 + (n % kPerRow) * kItemWidth;
        const double top = 270 + (n / kPerRow) * kItemRow;
        Check1_[i] = new QCheckBox(Frame1_[g]);
        Check1_[i]->setAccessibleName(extension(i));
        place(Check1_[i], left, top, 255, 255);
        connect(Check1_[i], &QCheckBox::clicked, this,
                [this, i](bool on) { model_.Check1_Click(i, on ? 1 : 0); });
        Label1_[i] = new QLabel(extension(i), Frame1_[g]);
        place(Label1_[i], left + 270, top, kItemWidth - 300, 255);
        Label1_[i]->installEventFilter(this);
    }
}

void Form3Window::createButtons(const QString& programDir)
{
    buttonRow_ = new SkinnedButtonRow(model_.anniu1, programDir, this);
    for (int i = 0; i < model_.anniu1.count(); ++i)
        place(buttonRow_->view(i), 120 + i * 1440, 3000, 1320, 420);
    connect(buttonRow_, &SkinnedButtonRow::clicked, this, [this](int i) { model_.anniu1_Click(i); });
}

void Form3Window::refresh()
{
    for (int i = 0; i < kCount; ++i) {
        const QSignalBlocker block(Check1_[i]);
        Check1_[i]->setChecked(model_.Check1[i] == 1);
    }
}

// A label is clicked when the left button goes down and up on it.
bool Form3Window::eventFilter(QObject* watched, QEvent* event)
{
    const auto* label = qobject_cast<QLabel*>(watched);
    const int i = label ? int(std::find(Label1_.begin(), Label1_.end(), label) - Label1_.begin()) : kCount;
    if (i >= kCount || (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease))
        return QWidget::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonRelease && label->rect().contains(mouse->position().toPoint()))
        model_.Label1_Click(i);
    return true;
}

// The close box unloads like "关    闭"; the window is kept for the next load.
void Form3Window::closeEvent(QCloseEvent* event)
{
    event->ignore();
    model_.Form_Unload();
}
