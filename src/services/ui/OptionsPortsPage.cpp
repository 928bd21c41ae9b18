#include "OptionsPortsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "IOptionsDeviceHost.h"
#include "MessageSink.h"
#include "Messages.h"
#include "TTavrelDevice.h"
#include "UiText.h"

namespace velmora {

namespace {
constexpr const char* EmulatorName = "emulator";

bool isEmulator(const QString& name) {
  return name.trimmed().compare(QLatin1String(EmulatorName), Qt::CaseInsensitive) == 0;
}

QLabel* valueLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setMinimumWidth(220);
  return label;
}
}  // namespace

OptionsPortsPage::OptionsPortsPage(IOptionsDeviceHost* host, IMessageSink& sink, QWidget* parent)
    : QWidget(parent), host_(host), sink_(sink) {
  auto* link = text_.bind(new QGroupBox(this), QT_TRANSLATE_NOOP("TOptionsForm", "Analyzer connection"));
  port_ = new QComboBox(link);
  port_->setObjectName(QStringLiteral("PortBox"));
  // A device path (as the analyzer emulator program makes) may be typed.
  port_->setEditable(true);
  port_->setInsertPolicy(QComboBox::NoInsert);
  port_->setMinimumContentsLength(18);
  test_ = text_.bind(new QPushButton(link), QT_TRANSLATE_NOOP("TOptionsForm", "Test"));
  test_->setObjectName(QStringLiteral("TestButton"));
  auto* portRow = new QHBoxLayout;
  portRow->addWidget(port_, 1);
  portRow->addWidget(test_);

  status_ = valueLabel(link, "StatusValue");
  version_ = valueLabel(link, "VersionValue");
  sampler_ = valueLabel(link, "SamplerValue");
  notes_ = valueLabel(link, "NotesValue");
  notes_->setWordWrap(true);
  auto* form = new QFormLayout(link);
  form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto* portLabel = text_.bind(new QLabel(link), QT_TRANSLATE_NOOP("TOptionsForm", "Port:"));
  portLabel->setBuddy(port_);
  form->addRow(portLabel, portRow);
  form->addRow(text_.bind(new QLabel(link), QT_TRANSLATE_NOOP("TOptionsForm", "Status:")), status_);
  form->addRow(text_.bind(new QLabel(link), QT_TRANSLATE_NOOP("TOptionsForm", "Firmware version:")), version_);
  form->addRow(text_.bind(new QLabel(link), QT_TRANSLATE_NOOP("TOptionsForm", "Autosampler:")), sampler_);
  form->addRow(text_.bind(new QLabel(link), QT_TRANSLATE_NOOP("TOptionsForm", "Notes:")), notes_);
  new3in1_ = text_.bind(new QCheckBox(link), QT_TRANSLATE_NOOP("TOptionsForm", "Use new 3 in 1"));
  new3in1_->setObjectName(QStringLiteral("New3in1Box"));
  form->addRow(QString(), new3in1_);

  instructions_ = text_.bind(
      new QLabel(this),
      QT_TRANSLATE_NOOP("TOptionsForm",
                        "Connect the analyzer to a serial port of this computer and switch it on. Choose the port in "
                        "the list (or type the path of a serial device) and press \"Test\": the analyzer is reset "
                        "and reports its status, firmware version and autosampler.\n\nChoose \"emulator\" to work "
                        "with the built-in analyzer emulator when no analyzer is connected."));
  instructions_->setWordWrap(true);
  instructions_->setObjectName(QStringLiteral("Instructions"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(link);
  layout->addWidget(instructions_);
  layout->addStretch(1);

  connect(port_, &QComboBox::activated, this, [this](int index) {
    const QVariant value = port_->itemData(index);
    choosePort(value.isValid() ? value.toString() : port_->itemText(index));
  });
  connect(port_->lineEdit(), &QLineEdit::returnPressed, this, [this] {
    // A text matching an entry arrives through activated().
    const QString typed = port_->lineEdit()->text().trimmed();
    if (!typed.isEmpty() && port_->findText(typed) < 0) choosePort(typed);
  });
  connect(test_, &QPushButton::clicked, this, [this] { test(); });
  connect(new3in1_, &QCheckBox::toggled, this, [this](bool on) {
    if (host_) host_->setUseNew3in1(on);
  });
  load();
}

QString OptionsPortsPage::displayName(const std::string& name) const {
  return isEmulator(UiText::fromStd(name)) ? QLatin1String(EmulatorName) : UiText::fromStd(name);
}

void OptionsPortsPage::fillPorts() {
  const QSignalBlocker block(port_);
  port_->clear();
  if (!host_) return;
  for (const std::string& name : host_->availablePorts()) {
    const QString n = displayName(name);
    if (port_->findData(n) < 0) port_->addItem(n, n);
  }
  if (port_->findData(QLatin1String(EmulatorName)) < 0)
    port_->addItem(QLatin1String(EmulatorName), QLatin1String(EmulatorName));
  // A port in use that the system does not list (a typed device path).
  const QString current = displayName(host_->currentPort());
  if (!current.isEmpty() && port_->findData(current) < 0) port_->addItem(current, current);
}

void OptionsPortsPage::selectCurrent() {
  if (!host_) return;
  const QSignalBlocker block(port_);
  const QString current = displayName(host_->currentPort());
  const int index = port_->findData(current);
  if (index >= 0) port_->setCurrentIndex(index);
  port_->setEditText(current);
}

void OptionsPortsPage::load() {
  fillPorts();
  selectCurrent();
  showDevice(false);
}

void OptionsPortsPage::showDevice(bool askVersion) {
  test_->setEnabled(host_ != nullptr && !testing_);
  port_->setEnabled(host_ != nullptr && !testing_);
  if (!host_) {
    new3in1_->setEnabled(false);
    return;
  }
  TTavrelDevice& d = host_->device();
  const bool active = d.Active();
  status_->setText(active ? UiText::message(d.StatusAsText()) : QString());
  // The version getter asks the analyzer; only while it is on line.
  std::string version = d.VersionText();
  if (askVersion && active) version = d.ReadVersion();
  version_->setText(UiText::fromStd(version));
  sampler_->setText(active ? (d.AutoSamplerEnabled() ? tr("&Yes") : tr("&No")).remove(QLatin1Char('&')) : QString());
  notes_->setText(active ? UiText::message(d.Description()) : QString());
  const QSignalBlocker block(new3in1_);
  new3in1_->setChecked(d.UseNew3in1());
  new3in1_->setEnabled(active && d.AllowNew3in1());
}

void OptionsPortsPage::choosePort(const QString& name) {
  if (!host_ || testing_) return;
  const QString wanted = name.trimmed();
  if (wanted.isEmpty()) return;
  if (wanted == displayName(host_->currentPort()) && host_->device().Port() && host_->device().Port()->isOpen()) {
    selectCurrent();
    return;
  }
  const bool opened = host_->switchPort(UiText::toStd(wanted));
  fillPorts();
  selectCurrent();
  showDevice(false);
  if (!opened) sink_.error(Message(msg::UnableToOpenComPort));
}

void OptionsPortsPage::test() {
  if (!host_ || testing_) return;
  testing_ = true;
  showDevice(false);
  status_->setText(tr("Testing..."));
  QPointer<OptionsPortsPage> self(this);
  host_->resetDevice([self] {
    if (!self) return;
    self->testing_ = false;
    self->showDevice(true);
    emit self->testFinished();
  });
}

void OptionsPortsPage::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    text_.retranslate();
    showDevice(false);
  }
  QWidget::changeEvent(event);
}

}  // namespace velmora
