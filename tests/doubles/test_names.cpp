#include "doubles/test_names.h"

#include <QList>

namespace TestNames {

std::string fromLabel(const QString& label)
{
    std::string name;
    for (const char32_t c : label.toUcs4()) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            name += static_cast<char>(c);
        else if (c < 0x80)
            name += '_';
        else
            name.append(1, 'u').append(QString::number(c, 16).toUpper().toStdString());
    }
    return name.empty() ? std::string("empty") : name;
}

} // namespace TestNames
