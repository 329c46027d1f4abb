// Pictures of every page and of the loading windows, for looking at the layout.
#pragma once

#include <QString>

namespace parlavo {

class TfrmVerbTester;

// Writes <dir>/<page object name>.png for every page of the window, plus
// TfrmLoadingSplash.png and TfrmLoading.png. Returns false when a file could not
// be written.
bool TakeScreenshots(TfrmVerbTester& window, const QString& dir);

// Writes a small "Results.txt" and its "History.txt" into `folder` (ending in "/"):
// some weeks of practice up to today, the oldest answers undated, so the statistics
// pictures show every view filled. Returns false when a file could not be written.
bool LayOutSampleResults(const QString& folder);

}  // namespace parlavo
