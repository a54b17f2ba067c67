#include "pictures/print_preview.h"

#include "core/scoped_value.h"
#include "pictures/picture_printer.h"
#include "platform/dialogs.h"
#include "platform/placed_control.h"

#include <QCoreApplication>

namespace {

// A run writes the margins and the printed size into boxes whose change
// runs the layout again; the texts settle after a second run, so this many
// runs always end it.
constexpr int kMaxRuns = 8;

enum Button { PrintButton = 0, CloseButton = 1, PrinterButton = 2 };

} // namespace

Form2::Form2(QList<QPointer<QTimer>>& timersHeldWhileOpening, const ImageControl& Image1,
             const ImageControl& printPreviewImage, Dialogs*& dialogs)
    : Image1_(Image1), printPreviewImage_(printPreviewImage), dialogs_(dialogs)
{
    timersHeldWhileOpening.append(&Timer1);
}

void Form2::show()
{
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    gaibian_all();
    visible_ = true;
    showWindow();
}

void Form2::hide()
{
    visible_ = false;
    hideWindow();
}

bool Form2::holdsPicture() const { return !picture().isNull(); }

const QImage& Form2::picture() const { return printPreviewImage_.picture(); }

void Form2::Form_Load() { gaibian_all(); }

void Form2::gaibian_all()
{
    if (inLayout_)
        return; // the run under way runs again for the changed box
    {
        const ScopedValue inLayout(inLayout_, true);
        const QSizeF shown(Image1_.width(), Image1_.height());
        for (int run = 0; run < kMaxRuns; ++run) {
            if (!PrintLayout::runOnce(state, shown, printerOrientation()))
                break;
            PrintLayout::slidersFromBoxes(state);
        }
    }
    changed();
}

void Form2::Combo1_Click(int index)
{
    const auto& papers = PrintLayout::papers();
    if (index < 0 || index >= int(papers.size()))
        return;
    state.Combo1 = papers[index].text;
    if (index == PrintLayout::kCustomPaper) {
        focusPaperWidth();
    } else {
        state.Text2[0] = QString::number(papers[index].width);
        state.Text2[1] = QString::number(papers[index].height);
    }
    changed();
}

void Form2::Text2_KeyUp(int index, const QString& text)
{
    if (index < 0 || index > 1)
        return;
    state.Text2[index] = text;
    gaibian_all();
}

void Form2::Text2_LostFocus(int index)
{
    if (index < 0 || index > 1)
        return;
    state.Text2[index] = PrintLayout::trimmedNumber(state.Text2[index]);
    changed();
}

void Form2::Option1_Click(int index)
{
    if (index < 0 || index > 1)
        return;
    state.Option1 = {index == 0, index == 1};
    setPrinterOrientation(index == 0 ? PicturePrinter::Portrait : PicturePrinter::Landscape);
    gaibian_all();
}

void Form2::Text1_Change(int index, const QString& text)
{
    if (index < 0 || index > 4)
        return;
    state.Text1[index].text = text;
    PrintLayout::slidersFromBoxes(state);
    gaibian_all();
}

void Form2::setText1(int index, const QString& text)
{
    if (state.Text1[index].text != text)
        Text1_Change(index, text);
}

void Form2::Slider1_Scroll(int index, int value)
{
    if (index < 0 || index > 2)
        return;
    PreviewSlider& slider = state.Slider1[index];
    if (value >= slider.min && value <= slider.max)
        slider.value = value;
    if (const std::optional<QString> text = PrintLayout::sliderText(state, index, slider.value))
        setText1(index, *text);
    gaibian_all();
}

// Centring takes effect at the next layout run.
void Form2::Check1_Click(int index, int value)
{
    if (index >= 0 && index <= 1)
        state.Check1[index] = value;
}

void Form2::Image1_MouseDown()
{
    state.Shape3Visible = true;
    changed();
}

void Form2::Image1_MouseUp()
{
    state.Shape3Visible = false;
    changed();
}

void Form2::anniu1_Click(int index)
{
    switch (index) {
    case PrintButton: print(); break;
    case CloseButton: hide(); break;
    case PrinterButton: printerSetup(); break;
    default: break;
    }
}

// The picture goes onto the page where the preview shows it, less the
// printer's unprintable edge (2 mm at the side, 7.4 or 12.4 mm at the top).
void Form2::print()
{
    Dialogs* dialogs = dialogs_;
    if (!dialogs || !dialogs->question(PrintQuestion, QCoreApplication::applicationName()))
        return;
    bool printed = false;
    if (printer) {
        const double r = state.paper_per_preview;
        const double mm = PrintLayout::kTwipsPerMm;
        const double edge = printer->orientation() == PicturePrinter::Portrait ? 7.4 : 12.4;
        const TwipsRect place{r * (state.Image1.left - state.Shape1.left) - 2 * mm,
                              r * (state.Image1.top - state.Shape1.top) - edge * mm,
                              r * state.Image1.width, r * state.Image1.height};
        const bool painted = printer->paintPicture(picture(), place);
        const int orientation = printer->orientation();
        printed = printer->endDoc() && painted;
        printer->setOrientation(orientation);
    }
    if (!printed)
        dialogs->messageBox(PrintError);
}

// The paper and orientation chosen in the printer dialog come into the
// boxes; a cancelled dialog changes nothing.
void Form2::printerSetup()
{
    if (!printer) {
        if (dialogs_)
            dialogs_->messageBox(PrintError);
        gaibian_all();
        return;
    }
    const int orientation = printer->orientation();
    const PicturePrinter::Setup result = printer->setupDialog();
    if (result != PicturePrinter::Setup::Chosen) {
        if (result == PicturePrinter::Setup::Failed && dialogs_)
            dialogs_->messageBox(PrintError);
        printer->setOrientation(orientation);
        gaibian_all();
        return;
    }
    const auto mm = [](double twips) {
        return QString::number(PrintLayout::nearest(twips / PrintLayout::kTwipsPerMm));
    };
    const bool portrait = printer->orientation() == PicturePrinter::Portrait;
    state.Option1 = {portrait, !portrait};
    state.Text2[0] = mm(portrait ? printer->pageWidth() : printer->pageHeight());
    state.Text2[1] = mm(portrait ? printer->pageHeight() : printer->pageWidth());
    gaibian_all();
}

int Form2::printerOrientation() const { return printer ? printer->orientation() : 0; }

void Form2::setPrinterOrientation(int orientation)
{
    if (printer)
        printer->setOrientation(orientation);
}
