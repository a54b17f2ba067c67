#pragma once

#include "platform/cd/cd_toc.h"

#include <QString>
#include <memory>
#include <optional>

typedef struct _CdIo CdIo_t;

// A drive or a disc image (.cue, .toc, .nrg) through libcdio. Every call
// may block for seconds on a real drive: use it from the drive thread only.
class CdioDrive {
public:
    // None when libcdio cannot open the path as a drive or an image.
    static std::unique_ptr<CdioDrive> open(const QString& path);
    ~CdioDrive();
    CdioDrive(const CdioDrive&) = delete;
    CdioDrive& operator=(const CdioDrive&) = delete;

    // A disc image has no tray of its own.
    bool isImage() const { return image_; }
    // The table of contents, none without a readable disc.
    std::optional<CdToc> readToc() const;
    // Whether the disc may have changed since the last look (a real drive).
    bool mediaChanged() const;
    // Reads count raw audio sectors (2352 bytes each) from lsn into buffer.
    bool readAudio(qint32 lsn, int count, char* buffer) const;

    // The tray of a real drive; the drive is not held open meanwhile.
    static bool ejectTray(const QString& path);
    static bool closeTray(const QString& path);

private:
    CdioDrive(CdIo_t* cdio, bool image) : cdio_(cdio), image_(image) {}

    CdIo_t* cdio_;
    bool image_;
};
