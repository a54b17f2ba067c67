#include "tests/window/glue_media.h"

#include "platform/test_media.h"

GlueMedia::GlueMedia()
{
    for (const char* name : {"c.wav", "a.wav", "b.wav"})
        list_ << testMedia().tone(name, 2);
}

GlueMedia& glueMedia()
{
    static GlueMedia media;
    return media;
}
