// velmora-cli process: the main window's curve commands on a document.
#include <charconv>
#include <exception>
#include <ostream>
#include <unordered_set>

#include "CliCommands.h"
#include "CliDocument.h"
#include "CurveProcessing.h"
#include "JsonWriter.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPaintingGuard.h"
#include "TUndoRedoManager.h"
#include "TVAStruct.h"

namespace velmora {

namespace {

constexpr const char* kUsage =
    "usage: process IN OUT.tvx OP... (OP: smooth=N, shift=MV, invert=x, invert=y, subtract=FILE)";

struct Operation {
  enum Kind { Smooth, Shift, InvertX, InvertY, Subtract } kind;
  int window = 0;
  double shift = 0.0;
  std::string file;
};

bool EndsWith(const std::string& s, const std::string& tail) {
  if (s.size() < tail.size()) return false;
  for (std::size_t i = 0; i < tail.size(); ++i) {
    const char c = s[s.size() - tail.size() + i];
    if ((c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) != tail[i]) return false;
  }
  return true;
}

// Parses "name=value"; false for anything else.
bool ParseOperation(const std::string& text, Operation& op) {
  const std::size_t eq = text.find('=');
  if (eq == std::string::npos) return false;
  const std::string name = text.substr(0, eq);
  const std::string value = text.substr(eq + 1);
  if (name == "smooth") {
    int n = -1;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
    if (ec != std::errc() || end != value.data() + value.size() || n < 0) return false;
    op.kind = Operation::Smooth;
    op.window = n;
    return true;
  }
  if (name == "shift") {
    const std::optional<double> v = ParseXShift(value);
    if (!v) return false;
    op.kind = Operation::Shift;
    op.shift = *v;
    return true;
  }
  if (name == "invert") {
    if (value != "x" && value != "y") return false;
    op.kind = value == "x" ? Operation::InvertX : Operation::InvertY;
    return true;
  }
  if (name == "subtract" && !value.empty()) {
    op.kind = Operation::Subtract;
    op.file = value;
    return true;
  }
  return false;
}

// The curves the main window would show with every root node selected, as
// the leaves the commands change (each once).
std::vector<TArrayDataStruct*> DisplayedLeaves(TNodeForest& forest) {
  std::vector<TArrayDataStruct*> out;
  std::unordered_set<const TArrayDataStruct*> seen;
  for (TNode* root = forest.FirstRoot(); root; root = root->NextSibling) {
    TArrayDataStruct* rec = root->ArrayRecord();
    if (!rec) continue;
    TStructCollection rows = rec->CollectCurves(true, 0);
    if (rows.empty() && !rec->IsGroup() && !rec->Data.empty()) rows = {{rec}};
    for (const auto& row : rows) {
      for (TArrayDataStruct* curve : row) {
        if (!curve) continue;
        for (TArrayDataStruct* leaf : curve->EditTargets()) {
          if (seen.insert(leaf).second) out.push_back(leaf);
        }
      }
    }
  }
  return out;
}

// The first leaf curve of a file, in tree order.
TDataArr FirstLeafCurve(const std::string& file) {
  TNodeForest forest;
  CliDocument::Load(forest, file);
  for (TNode* n : forest.DisplayOrder()) {
    if (n->FirstChild) continue;
    if (const TArrayDataStruct* rec = n->ArrayRecord()) return rec->Data;
  }
  throw std::runtime_error("velmora-cli process: " + file + " holds no curve to subtract");
}

int RunProcess(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() < 3) {
    err << "velmora-cli process: " << kUsage << "\n";
    return 2;
  }
  const std::string& in = args[0];
  const std::string& output = args[1];
  if (!EndsWith(output, ".tvx")) {
    err << "velmora-cli process: OUT must end in .tvx; " << kUsage << "\n";
    return 2;
  }
  std::vector<Operation> ops;
  for (std::size_t i = 2; i < args.size(); ++i) {
    Operation op{};
    if (!ParseOperation(args[i], op)) {
      err << "velmora-cli process: bad operation '" << args[i] << "'; " << kUsage << "\n";
      return 2;
    }
    ops.push_back(std::move(op));
  }

  TNodeForest forest;
  TUndoRedoManager undo;
  undo.AttachView(&forest);
  std::size_t curves = 0;
  FolderDatabase::TCurveFiles databaseCurves;
  try {
    CliDocument::Load(forest, in, std::nullopt, &databaseCurves);
    undo.Clear();
    const std::vector<TArrayDataStruct*> targets = DisplayedLeaves(forest);
    curves = targets.size();
    for (const Operation& op : ops) {
      TPaintingGuard painting(forest);
      if (op.kind == Operation::Shift) {
        undo.BeginXShift();
        for (TArrayDataStruct* c : targets) c->SetXShift(op.shift);
        undo.CommitXShift();
        continue;
      }
      TDataArr subtrahend;
      if (op.kind == Operation::Subtract) subtrahend = FirstLeafCurve(op.file);
      undo.BeginDataMultiChange();
      for (TArrayDataStruct* c : targets) {
        switch (op.kind) {
          case Operation::Smooth:
            c->Smooth(op.window);
            break;
          case Operation::InvertX:
            c->Invert(0);
            break;
          case Operation::InvertY:
            c->Invert(1);
            break;
          case Operation::Subtract:
            c->Subtract(subtrahend);
            break;
          case Operation::Shift:
            break;
        }
      }
      undo.CommitDataMultiChange();
    }
    CliDocument::Save(forest, output, &databaseCurves);
  } catch (const std::exception& e) {
    undo.AttachView(nullptr);
    err << e.what() << "\n";
    return 1;
  }
  const std::size_t steps = undo.UndoList().size();
  undo.AttachView(nullptr);
  JsonWriter json;
  json.beginObject()
      .field("Input", in)
      .field("Output", output)
      .field("Curves", static_cast<int>(curves))
      .field("Operations", static_cast<int>(ops.size()))
      .field("UndoSteps", static_cast<int>(steps));
  json.endObject();
  out << json.str() << "\n";
  return 0;
}

}  // namespace

CliCommand ProcessCommand() {
  return {"process", "process IN OUT.tvx OP...",
          "Loads IN as dump does, applies each OP to every curve of the root nodes as the main window's commands do "
          "(smooth=N, shift=MV, invert=x, invert=y, subtract=FILE: the first curve of FILE), and saves OUT.",
          RunProcess};
}

}  // namespace velmora
