#pragma once

// Item indices of the Help menu bangzhu1.
namespace HelpItem {
inline constexpr int Features = 0;     // "功能介绍(&Y)"
inline constexpr int Upgrade = 1;      // "软件升级(&S)"
inline constexpr int NoNewsPopups = 5; // "禁止弹出新闻资讯(&X)"
inline constexpr int HomePage = 7;     // "软件主页(&H)"
inline constexpr int News = 8;         // "新闻资讯(&W)"
inline constexpr int About = 11;       // "关于...(&C)"
} // namespace HelpItem
