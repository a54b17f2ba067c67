#pragma once

class Form1;

// Previous, next and replay of the shortcut menu (items 7, 8 and 9): each
// checks its own item and plays the entry before, after or at the current
// one, round the list's ends.
class EntryNavigation {
public:
    explicit EntryNavigation(Form1& form) : form_(form) {}

    void previous();
    void next();
    void replay();

private:
    void mark(int item);

    Form1& form_;
};
