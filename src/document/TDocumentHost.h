#pragma once

#include <functional>
#include <string>

#include "InstrumentTextImport.h"
#include "Message.h"
#include "ReadProgress.h"

namespace velmora {

// What the document commands ask of the main window around loading and
// saving. Every hook is optional; the commands work without a window.
struct TDocumentHost {
  // The hint line of the status bar ("Opening file...", "Saving to file");
  // ClearHint empties it.
  std::function<void(const Message&)> ShowHint;
  std::function<void()> ClearHint;
  // The loading flag: set while files are read (the window skips its
  // per-node reactions meanwhile).
  std::function<void(bool)> SetLoading;
  // Lets the window process pending events during long operations.
  std::function<void()> ProcessMessages;
  // Clears the document in the window (the thumbnail view with its nodes,
  // selection and undo); when unset the forest is cleared directly.
  std::function<void()> ClearDocument;
  // The mirrored tree of the document must be built again.
  std::function<void()> RebuildTree;
  // The selection handling and the main chart after the document changed.
  std::function<void()> SelectionChanged;
  std::function<void()> UpdateChart;
  // The thumbnail view takes the focus (when its tab is shown).
  std::function<void()> FocusThumbnails;
  // The title (document name and program name) changed.
  std::function<void(const std::string&)> TitleChanged;
  // Runs the reading of a file (`read`, which touches nothing of the
  // window nor of the open document) off the window's thread, with progress
  // and a way to cancel; false when the user cancelled. An exception of the
  // reading is thrown again. Unset, the reading runs right here.
  std::function<bool(const std::function<void(const ReadProgress&)>& read)> RunReading;
  // "Data import" of a table with more than two columns: the X and Y
  // columns the user picks (from 0), or nothing to skip the file. Unset,
  // the potential and current columns are taken by their units.
  std::function<std::optional<std::pair<std::size_t, std::size_t>>(const InstrumentTextImport::Table&,
                                                                   const std::string& fileName)>
      ChooseColumns;
};

}  // namespace velmora
