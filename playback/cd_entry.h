#pragma once

#include <QString>

class Mci;

// Audio-CD track entries, <drive>/TrackNN.cda, and the commands that the
// playback features send to the CD device.
namespace CdEntry {

// Whether the caption ends in ".cda" (any case).
bool isTrack(const QString& caption);
// The larger of the leading numbers of the caption's last six and last five
// characters: Track12.cda gives 12, Track7.cda gives 7.
double trackNumber(const QString& caption);
// The drive part of a track's full path: the optical device the track
// file lies on (/dev/sr0 for /dev/sr0/Track03.cda).
QString drive(const QString& path);
// The number as it is written into a command.
QString number(double n);

// Sends a command straight to the device, without a reply.
void send(Mci& mci, const QString& command);
// Sends a command whose reply goes into mci_reply; returns the reply.
QString ask(Mci& mci, QString& mci_reply, const QString& command);
// send_mci: a command whose failure is looked up but never shown.
bool sendMci(Mci& mci, const QString& command);

} // namespace CdEntry
