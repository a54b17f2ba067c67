#include "pictures/window/print_preview_window.h"

#include "chrome/window/skinned_button_view.h"
#include "core/scoped_value.h"
#include "pictures/print_preview.h"
#include "pictures/window/preview_page.h"
#include "platform/twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

namespace {

constexpr double kColumnLeft = 4830; // the control frames, right of the preview
constexpr double kColumnWidth = 2760;
constexpr double kRow = 315;

void place(QWidget* w, double left, double top, double width, double height = kRow)
{
    w->setGeometry(TwipsRect{left, top, width, height}.toPixels());
}

QGroupBox* frame(const QString& title, QWidget* parent, double top, double height)
{
    auto* group = new QGroupBox(title, parent);
    place(group, kColumnLeft, top, kColumnWidth, height);
    return group;
}

} // namespace

PrintPreviewWindow::PrintPreviewWindow(Form2& model, const QString& programDir, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowMinimizeButtonHint),
      model_(model)
{
    setWindowTitle(Form2::Caption);
    setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    page_ = new PreviewPage(model_, this);
    page_->move(TwipsRect{120, 60, 0, 0}.toPixels().topLeft());
    createPaperFrame();
    createSizeFrame();
    createPrintedSizeFrame();
    createButtons(programDir);

    model_.changed.connect(this, [this] { refresh(); });
    model_.hideWindow.connect(this, [this] { hide(); });
    model_.focusPaperWidth.connect(this, [this] { Text2_[0]->setFocus(); });
    refresh();
}

QLabel* PrintPreviewWindow::label(const QString& text, QWidget* parent, double left, double top,
                                  double width)
{
    auto* l = new QLabel(text, parent);
    place(l, left, top, width);
    return l;
}

QLineEdit* PrintPreviewWindow::box(const QString& name, QWidget* parent, double left, double top,
                                   double width)
{
    auto* edit = new QLineEdit(parent);
    edit->setAccessibleName(name);
    place(edit, left, top, width);
    return edit;
}

// "打印控制": the paper and its orientation.
void PrintPreviewWindow::createPaperFrame()
{
    QGroupBox* group = frame(QStringLiteral("打印控制"), this, 60, 1560);
    Combo1_ = new QComboBox(group);
    Combo1_->setAccessibleName(QStringLiteral("纸张"));
    for (const PrintLayout::Paper& paper : PrintLayout::papers())
        Combo1_->addItem(paper.text);
    place(Combo1_, 120, 300, 1500, 345);
    connect(Combo1_, &QComboBox::activated, this, [this](int i) { model_.Combo1_Click(i); });
    Text2_[0] = box(QStringLiteral("纸张宽度"), group, 120, 750, 750);
    label(QStringLiteral("×"), group, 930, 750, 240);
    Text2_[1] = box(QStringLiteral("纸张高度"), group, 1200, 750, 750);
    label(QStringLiteral("毫米"), group, 2010, 750, 600);
    for (QLineEdit* edit : Text2_)
        edit->installEventFilter(this);
    const char* names[] = {"纵向", "横向"};
    for (int i = 0; i < 2; ++i) {
        Option1_[i] = new QRadioButton(QString::fromUtf8(names[i]), group);
        place(Option1_[i], 120 + i * 1200, 1140, 1080);
        connect(Option1_[i], &QRadioButton::clicked, this, [this, i] { model_.Option1_Click(i); });
    }
}

// "尺寸控制": scale and margins, each a box and a slider, and centring.
void PrintPreviewWindow::createSizeFrame()
{
    QGroupBox* group = frame(QStringLiteral("尺寸控制"), this, 1680, 2640);
    const char* labels[] = {"缩放:", "左距:", "顶距:"};
    const char* centring[] = {"左右居中", "上下居中"};
    for (int i = 0; i < 3; ++i) {
        const double top = 300 + i * 780;
        const QString name = QString::fromUtf8(labels[i]);
        label(name, group, 120, top, 600);
        Text1_[i] = box(name.chopped(1), group, 720, top, 780);
        Slider1_[i] = new QSlider(Qt::Horizontal, group);
        Slider1_[i]->setAccessibleName(name.chopped(1));
        Slider1_[i]->setRange(model_.state.Slider1[i].min, model_.state.Slider1[i].max);
        place(Slider1_[i], 120, top + 345, kColumnWidth - 240, 330);
        connect(Slider1_[i], &QSlider::valueChanged, this, [this, i](int value) {
            if (!refreshing_)
                model_.Slider1_Scroll(i, value);
        });
        if (i > 0) {
            Check1_[i - 1] = new QCheckBox(QString::fromUtf8(centring[i - 1]), group);
            place(Check1_[i - 1], 1560, top, 1140);
            connect(Check1_[i - 1], &QCheckBox::clicked, this,
                    [this, i](bool on) { model_.Check1_Click(i - 1, on ? 1 : 0); });
        }
    }
}

// "缩放后的打印尺寸": the printed width and height.
void PrintPreviewWindow::createPrintedSizeFrame()
{
    QGroupBox* group = frame(QStringLiteral("缩放后的打印尺寸"), this, 4380, 1140);
    label(QStringLiteral("宽度:"), group, 120, 330, 600);
    Text1_[3] = box(QStringLiteral("宽度"), group, 720, 330, 1080);
    label(QStringLiteral("高度:"), group, 120, 720, 600);
    Text1_[4] = box(QStringLiteral("高度"), group, 720, 720, 1080);
    label(QStringLiteral("毫米"), group, 1860, 330, 600);
    label(QStringLiteral("毫米"), group, 1860, 720, 600);
    for (int i = 0; i < 5; ++i) {
        connect(Text1_[i], &QLineEdit::textEdited, this,
                [this, i](const QString& text) { model_.Text1_Change(i, text); });
    }
}

void PrintPreviewWindow::createButtons(const QString& programDir)
{
    buttonRow_ = new SkinnedButtonRow(anniu1_, programDir, this);
    const double tops[] = {5640, 5640, 6150};
    const double lefts[] = {kColumnLeft, kColumnLeft + 1440, kColumnLeft};
    for (int i = 0; i < 3; ++i)
        place(buttonRow_->view(i), lefts[i], tops[i], 1320, 420);
    connect(buttonRow_, &SkinnedButtonRow::clicked, this, [this](int i) { model_.anniu1_Click(i); });
}

void PrintPreviewWindow::refresh()
{
    const ScopedValue refreshing(refreshing_, true);
    const PreviewState& s = model_.state;
    Combo1_->setCurrentIndex(Combo1_->findText(s.Combo1));
    for (int i = 0; i < 2; ++i) {
        if (Text2_[i]->text() != s.Text2[i])
            Text2_[i]->setText(s.Text2[i]);
        Option1_[i]->setChecked(s.Option1[i]);
        Check1_[i]->setChecked(s.Check1[i] == 1);
    }
    for (int i = 0; i < 5; ++i) {
        if (Text1_[i]->text() != s.Text1[i].text)
            Text1_[i]->setText(s.Text1[i].text);
        Text1_[i]->setEnabled(s.Text1[i].enabled);
    }
    for (int i = 0; i < 3; ++i) {
        Slider1_[i]->setValue(s.Slider1[i].value);
        Slider1_[i]->setToolTip(s.Slider1[i].tip);
        Slider1_[i]->setAccessibleDescription(s.Slider1[i].tip);
    }
    page_->update();
}

// The size boxes: the whole text selected on entry, the layout after each
// key, the leading number kept on leaving.
bool PrintPreviewWindow::eventFilter(QObject* watched, QEvent* event)
{
    for (int i = 0; i < 2; ++i) {
        if (watched != Text2_[i])
            continue;
        if (event->type() == QEvent::FocusIn)
            QTimer::singleShot(0, Text2_[i], &QLineEdit::selectAll);
        else if (event->type() == QEvent::KeyRelease)
            model_.Text2_KeyUp(i, Text2_[i]->text());
        else if (event->type() == QEvent::FocusOut)
            model_.Text2_LostFocus(i);
    }
    return QWidget::eventFilter(watched, event);
}

// The settings last for the run: closing only hides.
void PrintPreviewWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    model_.hide();
}
