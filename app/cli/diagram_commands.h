#pragma once

#include <QGuiApplication>

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace guivarna::cli {

// guivarna-cli diagram --frets 0,1,0,2,3,x [--tuning ...] [--name C]
//                      (--svg FILE | --png FILE [--dpi N] | --pdf FILE | --chordpro)
// Draws one chord diagram into a file with the window's painter, or prints its ChordPro define
// line. The name defaults to the first traditional name of the chord the frets sound.
int RunDiagramCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// guivarna-cli sheet --chordpro FILE (--svg | --pdf | --png) OUT [--dpi N]
// Renders a saved chord sheet; lines of the file that cannot be read are named on stderr.
int RunSheetCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Drawing text needs a GUI application; the command line never shows a window, so it runs on
// the offscreen platform whatever the desktop is, with Qt's own notes kept off stderr. Lives for
// one command; null when an application exists already.
std::unique_ptr<QGuiApplication> GuiForDrawing();

}  // namespace guivarna::cli
