#include "TMethodScriptEditor.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ActionIcons.h"
#include "CaptionComboBox.h"
#include "FormatError.h"
#include "IFileDialogs.h"
#include "MessageSink.h"
#include "Messages.h"
#include "ScriptStepIcons.h"
#include "TPluginsManager.h"
#include "UiText.h"

namespace velmora {

namespace {

constexpr int kIndexRole = Qt::UserRole;

std::string TranslateCatalogue(const char* text) {
  return UiText::toStd(QCoreApplication::translate("Messages", text));
}

}  // namespace

TMethodScriptEditor::TMethodScriptEditor(Services services, IMessageSink& sink, TPluginsManager& hub, QWidget* parent)
    : QDialog(parent), services_(std::move(services)), sink_(sink) {
  setObjectName(QStringLiteral("MethodScriptEditor"));
  buildUi();
  retranslateUi();
  rebuildTree();
  const QPointer<TMethodScriptEditor> self(this);
  hub.Register().OnLanguageChange = [self] {
    if (self) self->retranslateUi();
  };
}

TMethodScriptEditor::~TMethodScriptEditor() = default;

void TMethodScriptEditor::buildUi() {
  toolBar_ = new QToolBar(this);
  toolBar_->setIconSize(QSize(20, 20));
  new_ =
      toolBar_->addAction(ActionIcons::icon(ActionIcons::Kind::New), QString(), this, &TMethodScriptEditor::NewScript);
  open_ = toolBar_->addAction(ActionIcons::icon(ActionIcons::Kind::Open), QString(), this,
                              &TMethodScriptEditor::openScriptDialog);
  save_ = toolBar_->addAction(ActionIcons::icon(ActionIcons::Kind::Save), QString(), this,
                              &TMethodScriptEditor::saveScriptDialog);
  toolBar_->addSeparator();
  moveUp_ =
      toolBar_->addAction(ActionIcons::icon(ActionIcons::Kind::MoveUp), QString(), this, &TMethodScriptEditor::MoveUp);
  moveDown_ = toolBar_->addAction(ActionIcons::icon(ActionIcons::Kind::MoveDown), QString(), this,
                                  &TMethodScriptEditor::MoveDown);
  toolBar_->addSeparator();
  for (std::uint32_t type : kToolBarOrder) {
    QAction* action = toolBar_->addAction(ScriptStepIcons::icon(type), QString());
    connect(action, &QAction::triggered, this, [this, type] { AddCommand(type); });
    commands_[type] = action;
  }
  toolBar_->addSeparator();
  remove_ = toolBar_->addAction(ActionIcons::icon(ActionIcons::Kind::Delete), QString(), this,
                                &TMethodScriptEditor::RemoveSelected);
  new_->setObjectName(QStringLiteral("NewScriptActn"));
  open_->setObjectName(QStringLiteral("OpenScriptActn"));
  save_->setObjectName(QStringLiteral("SaveScriptActn"));
  open_->setEnabled(services_.Dialogs != nullptr);
  save_->setEnabled(services_.Dialogs != nullptr);

  treeLabel_ = new QLabel(this);
  tree_ = new QTreeWidget(this);
  tree_->setHeaderHidden(true);
  tree_->setItemsExpandable(false);
  tree_->setSelectionMode(QAbstractItemView::SingleSelection);
  tree_->setIconSize(QSize(16, 16));
  tree_->setItemDelegate(new CaptionItemDelegate(tree_));
  auto* left = new QWidget(this);
  auto* leftLayout = new QVBoxLayout(left);
  leftLayout->setContentsMargins(0, 0, 0, 0);
  leftLayout->addWidget(treeLabel_);
  leftLayout->addWidget(tree_, 1);

  pages_ = new TScriptStepPages(services_, sink_, this);
  auto* right = new QWidget(this);
  auto* rightLayout = new QVBoxLayout(right);
  rightLayout->setContentsMargins(6, 0, 0, 0);
  rightLayout->addWidget(pages_->heading());
  rightLayout->addWidget(pages_, 1);

  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->addWidget(left);
  splitter->addWidget(right);
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 2);
  splitter->setChildrenCollapsible(false);

  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(toolBar_);
  layout->addWidget(splitter, 1);
  resize(960, 600);

  connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { onCurrentItemChanged(item); });
  connect(pages_, &TScriptStepPages::commandEdited, this, [this] { refreshItem(selected_); });
}

void TMethodScriptEditor::retranslateUi() {
  setWindowTitle(tr("Method script editor"));
  treeLabel_->setText(tr("Analysis stages"));
  const auto hint = [](QAction* action, const QString& text) {
    action->setText(text);
    action->setToolTip(text);
  };
  hint(new_, tr("New script"));
  hint(open_, tr("Open script"));
  hint(save_, tr("Save script"));
  hint(moveUp_, tr("Move up"));
  hint(moveDown_, tr("Move down"));
  hint(remove_, tr("Remove stage"));
  for (std::uint32_t type : kToolBarOrder)
    hint(commands_[type], QCoreApplication::translate("Messages", ValueRecord::ActionName(type)));
  pages_->Retranslate();
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) refreshItem(i);
}

void TMethodScriptEditor::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslateUi();
  QDialog::changeEvent(event);
}

QString TMethodScriptEditor::describe(const ValueRecord& command) const {
  // Unit captions carry the caption markup ("µg/dm^3^"): the tree's
  // delegate draws the superscripts.
  return UiText::fromStd(DescribeStep(command, languageId_, TranslateCatalogue));
}

void TMethodScriptEditor::rebuildTree() {
  rebuilding_ = true;
  tree_->clear();
  items_.clear();
  std::vector<QTreeWidgetItem*> cycles;  // the open "Begin" nodes
  for (std::size_t i = 0; i < script_.size(); ++i) {
    const ValueRecord& command = script_[i];
    if (command.Type == kStepEndCycle && !cycles.empty()) cycles.pop_back();
    auto* item = cycles.empty() ? new QTreeWidgetItem(tree_) : new QTreeWidgetItem(cycles.back());
    item->setText(0, describe(command));
    item->setIcon(0, ScriptStepIcons::icon(command.Type));
    item->setData(0, kIndexRole, static_cast<int>(i));
    items_.push_back(item);
    if (command.Type == kStepBeginCycle) cycles.push_back(item);
  }
  tree_->expandAll();
  if (selected_ >= static_cast<int>(script_.size())) selected_ = static_cast<int>(script_.size()) - 1;
  if (selected_ >= 0) tree_->setCurrentItem(items_[static_cast<std::size_t>(selected_)]);
  rebuilding_ = false;
  // The vector may have moved: the page gets the command again.
  pages_->ShowCommand(selected_ >= 0 ? &script_[static_cast<std::size_t>(selected_)] : nullptr);
  updateActions();
}

void TMethodScriptEditor::refreshItem(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  items_[static_cast<std::size_t>(index)]->setText(0, describe(script_[static_cast<std::size_t>(index)]));
}

void TMethodScriptEditor::updateActions() {
  const int count = static_cast<int>(script_.size());
  moveUp_->setEnabled(selected_ > 0);
  moveDown_->setEnabled(selected_ >= 0 && selected_ + 1 < count);
  remove_->setEnabled(selected_ >= 0);
}

void TMethodScriptEditor::onCurrentItemChanged(QTreeWidgetItem* item) {
  if (rebuilding_) return;
  selected_ = item != nullptr ? item->data(0, kIndexRole).toInt() : -1;
  pages_->ShowCommand(selected_ >= 0 ? &script_[static_cast<std::size_t>(selected_)] : nullptr);
  updateActions();
}

QTreeWidgetItem* TMethodScriptEditor::itemOf(int index) const {
  return index >= 0 && index < static_cast<int>(items_.size()) ? items_[static_cast<std::size_t>(index)] : nullptr;
}

QAction* TMethodScriptEditor::commandAction(std::uint32_t type) const {
  return type < commands_.size() ? commands_[type] : nullptr;
}

void TMethodScriptEditor::SetScript(TWizSteps script) {
  script_ = std::move(script);
  selected_ = script_.empty() ? -1 : 0;
  rebuildTree();
}

void TMethodScriptEditor::SetLanguageId(std::int32_t languageId) {
  languageId_ = languageId;
  pages_->SetLanguageId(languageId);
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) refreshItem(i);
}

void TMethodScriptEditor::Select(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  tree_->setCurrentItem(items_[static_cast<std::size_t>(index)]);
}

void TMethodScriptEditor::AddCommand(std::uint32_t type) {
  script_.push_back(ValueRecord::Make(type));
  rebuildTree();
}

void TMethodScriptEditor::NewScript() {
  script_.clear();
  selected_ = -1;
  rebuildTree();
}

void TMethodScriptEditor::MoveUp() {
  if (selected_ <= 0 || selected_ >= static_cast<int>(script_.size())) return;
  std::swap(script_[static_cast<std::size_t>(selected_)], script_[static_cast<std::size_t>(selected_ - 1)]);
  --selected_;
  rebuildTree();
}

void TMethodScriptEditor::MoveDown() {
  if (selected_ < 0 || selected_ + 1 >= static_cast<int>(script_.size())) return;
  std::swap(script_[static_cast<std::size_t>(selected_)], script_[static_cast<std::size_t>(selected_ + 1)]);
  ++selected_;
  rebuildTree();
}

void TMethodScriptEditor::RemoveSelected() {
  if (selected_ < 0 || selected_ >= static_cast<int>(script_.size())) return;
  if (sink_.askYesNo(msg::RemoveSelectedQuery) != Answer::Yes) return;
  script_.erase(script_.begin() + selected_);
  rebuildTree();
}

bool TMethodScriptEditor::OpenScript(const std::filesystem::path& file) {
  try {
    bool unread = false;
    std::optional<TWizSteps> script = TWizSteps::ReadFile(file, &unread);
    if (!script) return false;  // another kind of file: nothing is loaded
    SetScript(std::move(*script));
    if (unread) sink_.warning(msg::UnreadDataBlocks);
    return true;
  } catch (const EFormatError& e) {
    sink_.error(e.message());
  } catch (const std::exception& e) {
    sink_.error(Message(msg::CannotOpenFile, {file.string(), e.what()}));
  }
  return false;
}

bool TMethodScriptEditor::SaveScript(const std::filesystem::path& file) {
  try {
    TWizSteps::WriteFile(file, script_);
    return true;
  } catch (const EFormatError& e) {
    sink_.error(e.message());
  } catch (const std::exception& e) {
    sink_.error(Message(msg::CannotCreateFile, {file.string(), e.what()}));
  }
  return false;
}

void TMethodScriptEditor::openScriptDialog() {
  if (services_.Dialogs == nullptr) return;
  if (const std::optional<std::string> file = services_.Dialogs->openFile(msg::ScriptFileFilter)) {
    OpenScript(std::filesystem::path(*file));
  }
}

void TMethodScriptEditor::saveScriptDialog() {
  if (services_.Dialogs == nullptr) return;
  if (const std::optional<std::string> file = services_.Dialogs->saveFile(msg::ScriptFileFilter, ".tvs", {})) {
    SaveScript(std::filesystem::path(*file));
  }
}

bool TMethodScriptEditor::EditScript(TWizSteps& script) {
  TWizSteps own = std::move(script_);
  SetScript(script);
  exec();
  const bool changed = !(script_ == script);
  script = script_;
  SetScript(std::move(own));
  return changed;
}

}  // namespace velmora
