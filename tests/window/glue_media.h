#pragma once

#include <QStringList>

// Three short tones in one folder, listed out of name order.
class GlueMedia {
public:
    QStringList list() const { return list_; }

private:
    friend GlueMedia& glueMedia();
    GlueMedia();
    QStringList list_;
};

GlueMedia& glueMedia();
