#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <string>

// Names for the cases of parameterised suites. Without a name generator a
// case is listed by its index and a byte dump of its value, which changes
// from build to build; these names come from the case's own label.
namespace TestNames {

// A label as a valid test name: ASCII letters and digits are kept, any
// other character becomes "_", and a character beyond ASCII its code
// point ("u4E0A"), so different labels keep different names.
std::string fromLabel(const QString& label);
inline std::string fromLabel(const char* label) { return fromLabel(QString::fromUtf8(label)); }
inline std::string fromLabel(const std::string& label) { return fromLabel(QString::fromStdString(label)); }

// For cases with a `name` member.
struct ByName {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const
    {
        return fromLabel(info.param.name);
    }
};

// For cases that print themselves (a PrintTo beside the case).
struct Printed {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const
    {
        return fromLabel(::testing::PrintToString(info.param));
    }
};

// For cases labelled by a function of the case.
template <class Label>
auto labelled(Label label)
{
    return [label](const auto& info) { return fromLabel(label(info.param)); };
}

} // namespace TestNames
