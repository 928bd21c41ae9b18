#include "RecordParametersHost.h"

#include <QAction>
#include <QSignalBlocker>
#include <QSpinBox>

#include "DeviceLink.h"
#include "DeviceStatusPresenter.h"
#include "MainWindow.h"
#include "QtFileDialogs.h"
#include "RecordingReceiver.h"
#include "Settings.h"
#include "TOldStyleRecordForm.h"

namespace velmora {

namespace {

// The platform's file dialogs over the record-parameters window, which
// stays on top of the main window.
class FormFileDialogs final : public IFileDialogs {
 public:
  QWidget* parent = nullptr;
  std::optional<std::string> openFile(const Message& filter) override { return QtFileDialogs(parent).openFile(filter); }
  std::vector<std::string> openFiles(const Message& filter, const std::string& defaultExtension) override {
    return QtFileDialogs(parent).openFiles(filter, defaultExtension);
  }
  std::optional<std::string> saveFile(const Message& filter, const std::string& defaultExtension,
                                      const std::string& initialFile) override {
    return QtFileDialogs(parent).saveFile(filter, defaultExtension, initialFile);
  }
};

}  // namespace

RecordParametersHost::RecordParametersHost(MainWindow& window, Settings& settings)
    : QObject(&window), window_(window), settings_(settings) {
  auto dialogs = std::make_unique<FormFileDialogs>();
  FormFileDialogs& formDialogs = *dialogs;
  dialogs_ = std::move(dialogs);
  form_ = new TOldStyleRecordForm(window.deviceLink(), settings, formDialogs, window.messageSink(), &window);
  formDialogs.parent = form_;
  form_->setToolBarActions(window.action("MixerOnOffActn"), window.action("RecordActn"),
                           window.action("RunFromCurrentActn"), window.action("StopActn"));
  if (DeviceStatusPresenter* presenter = window.devicePresenter()) {
    form_->setMixerRunning([presenter] { return presenter->mixerOn(); });
  }
  window.actions().adopt("RecordWizardActn");
  connect(window.action("RecordWizardActn"), &QAction::triggered, this, [this] { toggle(); });

  // "&Start record" and "Start from &current step" run the window's programs and options.
  RecordingReceiver& receiver = window.recordingReceiver();
  TOldStyleRecordForm* form = form_;
  receiver.setProgramSource([form] {
    RecordingProgramSource s;
    s.Programs = form->GetPrograms();
    s.LoopCount = form->LoopsCount();
    s.CurrentControl = form->CurrentControl();
    s.CurrentLimit = form->CurrentRestriction();
    s.CurrentLimitMicroAmps = form->MaxCurrent();
    s.ShutDown = form->ShutDown();
    s.CurrentProgram = form->CurrentProgram();
    s.CurrentStep = form->CurrentStep();
    return s;
  });
  receiver.setFollowStep([form](int program, int step) { form->SelectStep(program, step); });
  connect(form_, &TOldStyleRecordForm::loopsCountChanged, this,
          [&receiver](int count) { receiver.run().SetLoopCount(count); });
}

RecordParametersHost::~RecordParametersHost() = default;

void RecordParametersHost::linkFilterBox(QSpinBox* filterBox) {
  if (!filterBox) return;
  // "Input filter" here and "Smoothing filter value" in the main window show one setting.
  connect(form_, &TOldStyleRecordForm::inputFilterChanged, filterBox, [filterBox](int value) {
    const QSignalBlocker block(filterBox);
    filterBox->setValue(value);
  });
  TOldStyleRecordForm* form = form_;
  connect(filterBox, &QSpinBox::valueChanged, form_, [form](int value) { form->setInputFilter(value); });
}

void RecordParametersHost::setRecording(bool on) { form_->setRecording(on); }

void RecordParametersHost::toggle() {
  // With another record type the window is not shown from here.
  if (settings_.options().recordType != 0) return;
  if (form_->isVisible()) {
    form_->hide();
  } else {
    form_->show();
    form_->raise();
    form_->activateWindow();
  }
}

}  // namespace velmora
