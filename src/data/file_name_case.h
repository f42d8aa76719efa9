#pragma once

#include <Qt>

// How the file system compares file names: exactly on Linux, without case on Windows, where
// DEMO_AMP.TXT is the file demo_amp.txt and its partner is DEMO_REF.TXT. The pairing of a
// measurement's files and the follower's listing compare the suffixes so.
Qt::CaseSensitivity fileNameCase();
