#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "FolderDatabase.h"

namespace velmora {

class JsonWriter;
class TArrayDataStruct;
class TNode;
class TNodeForest;
class TVAStruct;

// The document side of velmora-cli: loading a file as the main window's
// Open does and writing the forest as JSON.
class CliDocument {
 public:
  // Loads `file` into the forest by its extension: ".tvx" document, ".mbd"
  // folder database, anything else a two-column text import. Returns
  // whether unknown blocks were skipped. Throws EFormatError (or a file
  // system error) when the file cannot be used; a file without the
  // document magic throws too, since it holds nothing to show.
  // A table of another instrument (header, separators, several columns)
  // is read with its units; `columns` (from 0) picks its X and Y columns.
  // `curves`, when given, gets the curve files a folder database gave.
  static bool Load(TNodeForest& forest, const std::filesystem::path& file,
                   std::optional<std::pair<std::size_t, std::size_t>> columns = std::nullopt,
                   FolderDatabase::TCurveFiles* curves = nullptr);

  // Saves the forest by the extension of `file` (".tvx" or ".mbd"). A
  // folder database replaces only the curve files named in `curves` (those
  // it was loaded from) and never another database's.
  static void Save(TNodeForest& forest, const std::filesystem::path& file,
                   FolderDatabase::TCurveFiles* curves = nullptr);

  // True for the extensions Save knows.
  static bool CanSave(const std::filesystem::path& file);

  // {"UnreadData": ..., "Nodes": [...]}, root nodes in tree order.
  static void WriteForest(JsonWriter& json, TNodeForest& forest, bool unreadData);
  static void WriteNode(JsonWriter& json, TNode& node);
  static void WriteRecord(JsonWriter& json, TVAStruct& record);

  // Registers the peak value calculation for the records (once).
  static void UsePeakValues();

  // The curves the main chart shows when every root node is selected, in
  // list order: each node's rows of curves, or the node's own curve.
  static std::vector<TVAStruct*> DisplayedCurves(TNodeForest& forest);

  // The data folder: `chosen` when given, else VELMORA_DATA_FOLDER, else
  // the folder the workstation determines.
  static std::filesystem::path DataDir(const std::string& chosen = {});
};

}  // namespace velmora
