#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "dispatch/run_values.h"
#include "document/korvix_doc.h"
#include "platform/millisecond_clock.h"
#include "render/controls/pi_controller.h"
#include "runmode/run_controls.h"
#include "values/value_hooks.h"

namespace korvix {

// The output is a share of one correction range in per cent: above zero of
// the positive correction's, below zero of the negative one's.
constexpr double kPIOutputLimit = 100.0;

// PI-Controllers while the Run-Loop runs. Each regulates its converted
// sensor reading (its value text) to its set point: whenever a reading came,
// the output is Kp times the error plus Ki times the error's integral over
// seconds, held within the limit. The output goes to the modules as a value
// between the Min and Max Value of the correction it falls in, appended to
// that correction's characters; the other correction gets its Min Value.
// A reading that is no number stops the correction.
class PIControllers final : public PIStepper {
public:
  PIControllers(CKorvixDoc& doc, RunValues& values, LinkServices& link, ObjectActions& view, MillisecondClock& clock);

  // Start of a run: every controller runs from a zero output, which goes out
  // at once. A controller keeps the set point of its last run.
  void StartRun();
  // One pass: a running controller that got a reading computes its output;
  // a changed correction is queued for the pass's pending sends.
  void Advance();
  // Halt: every controller stops at a zero output, which goes out at once
  // when the loop was running, so that nothing stays driven.
  void HaltRun(bool wasrunning);

  // The actions by ID Label. Halting holds the controller at a zero output.
  void StartPIController(int index);
  void HaltPIController(int index);
  void SetPIControllerSetPoint(int index, long long setpoint);
  // The operator's buttons: the set point by one, Kp and Ki by one unit of
  // their format, never below zero; Lock Settings keeps Kp and Ki.
  void StepPIController(int index, PIStepButton button) override;

  // What the panel shows beside the record's fields.
  PIControllerReadings Readings(int index) override;

  // The values that an output in per cent stands for, per correction (0
  // positive, 1 negative); empty for a correction without characters.
  static std::array<std::string, 2> CorrectionValues(const PIControllerRecord& r, double output);

private:
  void Compute(int index);
  void SetOutput(int index, double output);
  // The correction values of the controller's output.
  std::array<std::string, 2> Corrections(int index);
  void QueueCorrections(int index);
  void SendCorrectionsNow(int index);
  std::string CorrectionCommand(int index, int side, const std::string& value) const;
  void Redraw(int index);

  CKorvixDoc& m_doc;
  RunValues& m_values;
  LinkServices& m_link;
  ObjectActions& m_view;
  MillisecondClock& m_clock;
};

}  // namespace korvix
