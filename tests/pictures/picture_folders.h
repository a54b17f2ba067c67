#pragma once

#include "picture_files.h"
#include "picture_fixture.h"

#include "core/menu_array.h"

#include <QDir>
#include <gtest/gtest.h>

// The start-picture and background folders of a test's program directory.

inline QStringList captions(const MenuArray& menu)
{
    QStringList result;
    for (const MenuItem& item : menu.items())
        result << item.caption;
    return result;
}

inline QList<int> checkedItems(const MenuArray& menu)
{
    QList<int> result;
    for (auto it = menu.items().cbegin(); it != menu.items().cend(); ++it) {
        if (it.value().checked)
            result << it.key();
    }
    return result;
}

struct PictureFolderTest : ::testing::Test {
    QString start(const QString& name) const { return f.path("开始画面/" + name); }
    QString background(const QString& name) const { return f.path("背景图/" + name); }
    void picture(const QString& path, QSize size = {40, 30}) { TestPictures::write(path, size, "jpg"); }
    void damaged(const QString& path) { TestPictures::putBytes(path, "not a picture"); }
    void build()
    {
        QDir().mkpath(start(""));
        QDir().mkpath(background(""));
        f.form.buildPictureMenus();
    }

    PictureFixture f;
};
