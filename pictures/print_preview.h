#pragma once

#include "core/hook.h"
#include "pictures/print_layout.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QTimer>

class Dialogs;
class ImageControl;
class PicturePrinter;

// The print preview window Form2 as its handlers see it: the picture on a
// sheet of paper, the paper, orientation, scale and margins, and printing.
// It lives for the whole run, so its settings last until the program ends.
class Form2 {
public:
    static inline const QString Caption = QStringLiteral("预览及打印图象");
    static inline const QString PrintQuestion = QStringLiteral("确实打印图象吗?");
    static inline const QString PrintError = QStringLiteral("打印错误！请查看是否正确安装打印机！");
    static constexpr double kWidth = 7830; // its normal size, twips
    static constexpr double kHeight = 7005;

    // Its timer joins those held while the main window opens an entry. It
    // lays the picture out at the size of the main window's Image1 and
    // shows printPreviewImage.
    Form2(QList<QPointer<QTimer>>& timersHeldWhileOpening, const ImageControl& Image1,
          const ImageControl& printPreviewImage, Dialogs*& dialogs);

    PreviewState state;
    PicturePrinter* printer = nullptr; // none: every print fails
    QTimer Timer1;                     // held while the main window opens an entry

    // Image-menu "预览及打印图像(&D)": the layout, then the window shows.
    void show();
    void hide();
    bool isVisible() const { return visible_; }
    // Whether its image holds a picture (the main window hands it over).
    bool holdsPicture() const;
    const QImage& picture() const;

    void gaibian_all();
    void Combo1_Click(int index);
    void Text2_KeyUp(int index, const QString& text);
    void Text2_LostFocus(int index);
    void Option1_Click(int index);
    void Text1_Change(int index, const QString& text);
    void Slider1_Scroll(int index, int value);
    void Check1_Click(int index, int value);
    void Image1_MouseDown();
    void Image1_MouseUp();
    void anniu1_Click(int index);

    // The window on screen: shown and hidden, the focus to the paper width
    // box, and every change of the controls.
    Hook<void()> showWindow;
    Hook<void()> hideWindow;
    Hook<void()> focusPaperWidth;
    Hook<void()> changed;

private:
    void Form_Load();
    void setText1(int index, const QString& text);
    void print();
    void printerSetup();
    int printerOrientation() const;
    void setPrinterOrientation(int orientation);

    const ImageControl& Image1_;
    const ImageControl& printPreviewImage_;
    Dialogs*& dialogs_;
    bool loaded_ = false;
    bool visible_ = false;
    bool inLayout_ = false;
};
