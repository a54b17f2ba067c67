#pragma once

class Form1;

// The background picture chosen in Options ▸ 背景图 (beijing1): loaded into
// beijing_linshi for the skin painter. A name ending in ".wzh" is a
// nine-part frame, which moves the content area up (top_offset 480).
class Backgrounds {
public:
    explicit Backgrounds(Form1& form) : form_(form) {}

    // Loads the chosen file, or the next one that loads, wrapping around;
    // the chosen item is checked and decides top_offset all the same.
    void beijing1_Click(int Index);

private:
    Form1& form_;
};
