#pragma once

#include "core/folder_path.h"
#include "core/operation.h"

#include <QString>
#include <functional>

class ImageControl;
class MenuArray;
struct Form1State;

// What the background choice works on.
struct BackgroundsParts {
    Form1State& state;
    MenuArray& beijing1;
    ImageControl& beijing_linshi;
    ProgramPathOf programPath;
    Operation<void(const QString& text)>& chengxutuxiang;
};

// The background picture chosen in Options ▸ 背景图 (beijing1): loaded into
// beijing_linshi for the skin painter. A name ending in ".wzh" is a
// nine-part frame, which moves the content area up (top_offset 480).
class Backgrounds {
public:
    explicit Backgrounds(const BackgroundsParts& parts) : parts_(parts) {}

    // Loads the chosen file, or the next one that loads, wrapping around;
    // the chosen item is checked and decides top_offset all the same.
    void beijing1_Click(int Index);

private:
    BackgroundsParts parts_;
};
