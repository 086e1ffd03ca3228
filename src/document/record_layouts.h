#pragma once

// The stored layout of every record: the fields in the order the project
// file holds them. Loading and storing both walk these functions, so the
// two can never disagree. A visitor F offers one operation per stored
// kind of field; see ProjectWriter and ProjectReader.

#include "document/automation_records.h"
#include "document/box_records.h"
#include "document/chart_recorder_record.h"
#include "document/control_records.h"
#include "document/gauge_records.h"
#include "document/page_record.h"

namespace korvix {

// Files that predate double size factors hold these width factors as ints
// in other units.
constexpr double kOldDataWindowWidthUnit = 1.035;
constexpr double kOldTextWindowWidthUnit = 1.035;
constexpr double kOldPushButtonWidthUnit = 0.7375;
constexpr double kOldRockerSwitchWidthUnit = 0.571428572;
constexpr double kOldSliderControlWidthUnit = 1.0;

// A record that predates its own height factor takes the project-wide
// factor of its kind times these.
constexpr double kOldDataWindowHeightUnit = 0.957142858;
constexpr double kOldPushButtonHeightUnit = 0.714285715;
constexpr double kOldTextWindowHeightUnit = 0.957142858;
constexpr double kOldRockerSwitchHeightUnit = 1.642857143;

template <class F>
void Layout(F& f, PageRecord& r) {
  f.Int(r.objectcount);
  f.Int(r.bgcolor);
  f.Text(r.bgbitmapfile);
}

template <class F>
void Layout(F& f, TextBoxRecord& r) {
  f.Int(r.stacknum);
  f.Int(r.x);
  f.Int(r.y);
  f.Double(r.widthfactor);
  f.Int(r.sizecode);
  f.Text(r.text);
  f.Int(r.alignment);
  f.Int(r.borderwidth);
  f.Int(r.bordercolor);
  f.Int(r.fontcolor);
  f.Int(r.bgcolor);
  f.Double(r.heightfactor);
  f.Int(r.page);
}

template <class F>
void Layout(F& f, ImageBoxRecord& r) {
  f.Int(r.stacknum);
  f.Int(r.x);
  f.Int(r.y);
  f.Int(r.width);
  f.Int(r.height);
  f.Text(r.bitmapfile);
  f.Int(r.bordercolor);
  f.Int(r.borderwidth);
  f.Int(r.page);
}

template <class F>
void Layout(F& f, DataWindowRecord& r) {
  f.Int(r.stacknum);
  f.Int(r.x);
  f.Int(r.y);
  f.Int(r.prefixwidth);
  f.WidthFactor(r.widthfactor, kOldDataWindowWidthUnit);
  f.Int(r.suffixwidth);
  f.Int(r.sizecode);
  f.Block(r.field8);
  f.Text(r.pollcommand);
  f.Text(r.prefix);
  f.Text(r.valuetext);
  f.Text(r.suffix);
  f.Int(r.inputbase);
  f.Int(r.outputbase);
  f.Int(r.field15);
  f.Text(r.multiplier);
  f.Text(r.hightrip);
  f.Text(r.lowtrip);
  f.Int(r.highbgcolor);
  f.Int(r.hightextcolor);
  f.Int(r.lowbgcolor);
  f.Int(r.lowtextcolor);
  f.Int(r.runcolor1);
  f.Int(r.runcolor2);
  f.Int(r.runcolor3);
  f.Int(r.field26);
  f.HeightFactor(r.heightfactor, f.Doc().m_dwheight, kOldDataWindowHeightUnit);
  f.Int(r.fontcolor);
  f.Int(r.page);
  f.Text(r.idlabel);
  f.Text(r.offset);
  f.Int(r.logcolumn);
  f.Int(r.field33);
  f.Text(r.lookuptable);
  f.Text(r.formula);
}

template <class F>
void Layout(F& f, TextWindowRecord& r) {
  f.Int(r.stacknum);
  f.Int(r.x);
  f.Int(r.y);
  f.Int(r.prefixwidth);
  f.WidthFactor(r.widthfactor, kOldTextWindowWidthUnit);
  f.Int(r.suffixwidth);
  f.Int(r.sizecode);
  f.Block(r.field8);
  f.Text(r.idlabel);
  f.Text(r.message);
  f.Text(r.prefix);
  f.Text(r.valuetext);
  f.Text(r.suffix);
  f.Int(r.messagecolor);
  f.Int(r.messagebgcolor);
  f.Int(r.curtextcolor);
  f.Int(r.curbgcolor);
  f.HeightFactor(r.heightfactor, f.Doc().m_twheight, kOldTextWindowHeightUnit);
  f.Int(r.fontcolor);
  f.Int(r.page);
  f.Int(r.logcolumn);
}

template <class F>
void Layout(F& f, InputWindowRecord& r) {
  f.Int(r.stacknum);
  f.Int(r.x);
  f.Int(r.y);
  f.Int(r.titlewidth);
  f.Double(r.widthfactor);
  f.Int(r.editwidth);
  f.Double(r.heightfactor);
  f.Int(r.sizecode);
  f.Text(r.idlabel);
  f.Text(r.title);
  f.Text(r.valuetext);
  f.Text(r.resetvalue);
  f.Int(r.inputcolor);
  f.Int(r.resetonrun);
  f.Int(r.keypadsize);
  f.Int(r.page);
  f.Int(r.logcolumn);
  f.Int(r.action);
  f.Int(r.field19);
  f.Text(r.actiontext);
  f.Text(r.actiontext2);
  f.Int(r.labelfontsize);
  f.Text(r.labelbarcode);
  f.Int(r.labelbarsize);
}

template <class F>
void Layout(F& f, LevelGaugeRecord& r) {
  f.Int(r.stacknum);
  f.Int(r.page);
  f.Int(r.x);
  f.Int(r.y);
  f.Double(r.widthfactor);
  f.Double(r.heightfactor);
  f.Int(r.sizecode);
  f.Text(r.title);
  f.Int(r.gaugecolor);
  f.Text(r.valuetext);
  f.Text(r.idlabel);
  f.Text(r.pollcommand);
  f.Text(r.outputlabel);
  f.Int(r.inputbase);
  f.Int(r.outputbase);
  f.Text(r.multiplier);
  f.Text(r.offset);
  f.Text(r.scaleend);
  f.Text(r.scalestart);
  f.Int(r.tickmarks);
  f.Int(r.showvalues);
  f.Int(r.showminmax);
  f.Block(r.field23);
  f.Int(r.barcolor);
  f.Int(r.maxseen);
  f.Int(r.minseen);
  f.Int(r.field27);
  f.Int(r.field28);
  f.Int(r.logcolumn);
  f.Int(r.field30);
  f.Text(r.lookuptable);
  f.Text(r.formula);
}

template <class F>
void Layout(F& f, ScaleGaugeRecord& r) {
  f.Int(r.stacknum);
  f.Int(r.page);
  f.Int(r.x);
  f.Int(r.y);
  f.Double(r.widthfactor);
  f.Double(r.heightfactor);
  f.Int(r.sizecode);
  f.Text(r.title);
  f.Int(r.gaugecolor);
  f.Text(r.valuetext);
  f.Text(r.idlabel);
  f.Text(r.pollcommand);
  f.Text(r.outputlabel);
  f.Int(r.inputbase);
  f.Int(r.outputbase);
  f.Text(r.multiplier);
  f.Text(r.offset);
  f.Text(r.scaleend);
  f.Text(r.scalestart);
  f.Text(r.warnlevel);
  f.Int(r.tickmarks);
  f.Int(r.submarks);
  f.Int(r.showvalues);
  f.Int(r.logcolumn);
  f.Text(r.lookuptable);
  f.Text(r.formula);
}

template <class F>
void Layout(F& f, DualHandGaugeRecord& r) {
  f.Int(r.stacknum);
  f.Int(r.page);
  f.Int(r.x);
  f.Int(r.y);
  f.Double(r.widthfactor);
  f.Double(r.heightfactor);
  f.Int(r.sizecode);
  f.Text(r.title);
  f.Int(r.gaugecolor);
  f.Text(r.valuetext);
  f.Text(r.idlabel);
  f.Text(r.pollcommand);
  f.Text(r.outputlabel);
  f.Int(r.inputbase);
  f.Text(r.multiplier);
  f.Text(r.offset);
  f.Int(r.dialfactor);
  f.Int(r.submarks);
  f.Int(r.showfactor);
  f.Int(r.showvalues);
  f.Int(r.logcolumn);
  f.Text(r.lookuptable);
  f.Text(r.formula);
}

template <class F>
void Layout(F& f, WindVaneRecord& r) {
  f.Int(r.stacknum);
  f.Int(r.page);
  f.Int(r.x);
  f.Int(r.y);
  f.Double(r.widthfactor);
  f.Double(r.heightfactor);
  f.Int(r.sizecode);
  f.Text(r.title);
  f.Int(r.gaugecolor);
  f.Text(r.valuetext);
  f.Text(r.idlabel);
  f.Text(r.pollcommand);
  f.Text(r.outputlabel);
  f.Text(r.fulldata);
  f.Text(r.zerodata);
  f.Int(r.tickmarks);
  f.Int(r.submarks);
  f.Int(r.showlabels);
  f.Int(r.logcolumn);
}

template <class F>
void Layout(F& f, PivotTrackerRecord& r) {
  f.Int(r.stacknum);
  f.Int(r.page);
  f.Int(r.x);
  f.Int(r.y);
  f.Double(r.widthfactor);
  f.Double(r.heightfactor);
  f.Int(r.sizecode);
  f.Int(r.textcolor);
  f.Int(r.bordercolor);
  f.Text(r.idlabel);
  f.Text(r.sisfrom);
  f.Text(r.signalto);
  f.Text(r.centerlat);
  f.Text(r.centerlon);
  f.Text(r.jumppage);
  f.Int(r.runoncolor);
  f.Int(r.runoffcolor);
  f.Int(r.wateroncolor);
  f.Int(r.wateroffcolor);
  f.Int(r.sisoncolor);
  f.Int(r.sisoffcolor);
  f.Int(r.tickmarks);
  f.Int(r.submarks);
  f.Int(r.showvalues);
  f.Int(r.cwlimit);
  f.Int(r.ccwlimit);
  f.Int(r.autorotate);
  f.Int(r.logcolumn);
  f.Int(r.logcolumnrun);
  f.Int(r.logcolumnwater);
  f.Int(r.logcolumnsis);
}

template <class F>
void Layout(F& f, SignalLampRecord& r) {
  f.Int(r.stacknum);
  f.Int(r.x);
  f.Int(r.y);
  f.Double(r.widthfactor);
  f.Double(r.heightfactor);
  f.Int(r.sizecode);
  f.Block(r.field7);
  f.Text(r.idlabel);
  f.Text(r.title);
  f.Text(r.valuetext);
  f.Int(r.state);
  f.Int(r.resetstate);
  f.Int(r.resetonrun);
  f.Int(r.manualop);
  f.Text(r.ontext);
  f.Text(r.offtext);
  f.Text(r.toggletext);
  f.Int(r.textcolor);
  f.Int(r.lampcolor);
  f.Int(r.flashrate);
  f.Int(r.field21);
  f.Int(r.page);
  f.Int(r.logcolumn);
}

template <class F>
void Layout(F& f, EventCounterRecord& r) {
  f.Int(r.stacknum);
  f.Int(r.x);
  f.Int(r.y);
  f.Int(r.titlewidth);
  f.Double(r.widthfactor);
  f.Int(r.buttonwidth);
  f.Int(r.sizecode);
  f.Block(r.field8);
  f.Text(r.idlabel);
  f.Text(r.title);
  f.Text(r.valuetext);
  f.Text(r.resetvalue);
  f.Int(r.resetonrun);
  f.Int(r.manualbuttons);
  f.Text(r.inctext);
  f.Text(r.dectext);
  f.Text(r.resettext);
  f.Double(r.heightfactor);
  f.Int(r.textcolor);
  f.Int(r.page);
  f.Int(r.logcolumn);
  f.Int(r.field22);
  f.Int(r.field23);
  f.Int(r.field24);
}

template <class F>
void Layout(F& f, EventTimerRecord& r) {
  f.Int(r.stacknum);
  f.Int(r.x);
  f.Int(r.y);
  f.Int(r.titlewidth);
  f.Double(r.widthfactor);
  f.Int(r.buttonwidth);
  f.Int(r.sizecode);
  f.Block(r.field8);
  f.Text(r.idlabel);
  f.Text(r.title);
  f.Text(r.valuetext);
  f.Int(r.timeformat);
  f.Int(r.resetonrun);
  f.Int(r.manualbuttons);
  f.Text(r.starttext);
  f.Text(r.halttext);
  f.Text(r.resettext);
  f.Double(r.heightfactor);
  f.Int(r.textcolor);
  f.Int(r.page);
  f.Int(r.resetms);
  f.Int(r.elapsedms);
  f.Int(r.field23);
  f.Int(r.logcolumn);
  f.Int(r.field25);
  f.Int(r.field26);
  f.Int(r.field27);
  f.Int(r.field28);
}

template <class F>
void Layout(F& f, PushButtonRecord& r) {
  f.Int(r.stacknum);
  f.Int(r.x);
  f.Int(r.y);
  f.WidthFactor(r.widthfactor, kOldPushButtonWidthUnit);
  f.Int(r.sizecode);
  f.Block(r.field6);
  f.Text(r.title);
  f.Text(r.pressparam);
  f.Text(r.presssecond);
  f.Text(r.field10);
  f.Int(r.pressaction);
  f.Int(r.pressholds);
  f.Int(r.textcolor);
  f.Int(r.releaseaction);
  f.Int(r.releaseholds);
  f.HeightFactor(r.heightfactor, f.Doc().m_pbheight, kOldPushButtonHeightUnit);
  f.Int(r.field17);
  f.Int(r.page);
  f.Int(r.field19);
  f.Int(r.pressfontsize);
  f.Int(r.releasefontsize);
  f.Text(r.releaseparam);
  f.Text(r.releasesecond);
  f.Int(r.pressbarsize);
  f.Int(r.releasebarsize);
  f.Int(r.field26);
  f.Int(r.field27);
  f.Text(r.pressbarcode);
  f.Text(r.releasebarcode);
  f.Int(r.field30);
  f.Int(r.field31);
}

template <class F>
void Layout(F& f, ButtonArrayButton& r) {
  f.RectBlock(r.placement);
  f.Text(r.title);
  f.Int(r.textcolor);
  f.Int(r.action);
  f.Text(r.param);
  f.Int(r.isdown);
  f.Text(r.second);
  f.Int(r.fontsize);
  f.Text(r.barcode);
  f.Int(r.barsize);
}

template <class F>
void Layout(F& f, ButtonArrayRecord& r) {
  f.Int(r.stacknum);
  f.Int(r.x);
  f.Int(r.y);
  f.Double(r.widthfactor);
  f.Double(r.heightfactor);
  f.Int(r.sizecode);
  f.Text(r.idlabel);
  f.Count(r.buttons, kTooManyButtonsMessage);
  f.List(r.buttons);
  f.Int(r.executeonchange);
  f.Int(r.field11);
  f.Int(r.field12);
  f.Int(r.page);
  f.Int(r.field14);
}

template <class F>
void Layout(F& f, RockerSwitchRecord& r) {
  f.Int(r.stacknum);
  f.Int(r.x);
  f.Int(r.y);
  f.WidthFactor(r.widthfactor, kOldRockerSwitchWidthUnit);
  f.Int(r.sizecode);
  f.Block(r.field6);
  f.Text(r.title);
  f.Int(r.initmode);
  f.Text(r.startvalue);
  f.Text(r.upprefix);
  f.Int(r.valuetype);
  f.Text(r.valuetext);
  f.Text(r.getcommand);
  f.Text(r.responseto);
  f.Text(r.sendvalueto);
  f.Text(r.downprefix);
  f.Int(r.upstep);
  f.Int(r.downstep);
  f.Text(r.uplimit);
  f.Text(r.downlimit);
  f.Int(r.responseexpected);
  f.Int(r.rollover);
  f.Int(r.repeatrate);
  f.Int(r.textcolor);
  f.Int(r.field25);
  f.Int(r.field26);
  f.HeightFactor(r.heightfactor, f.Doc().m_rsheight, kOldRockerSwitchHeightUnit);
  f.Int(r.field28);
  f.Int(r.page);
  f.Int(r.field30);
}

template <class F>
void Layout(F& f, SliderControlRecord& r) {
  f.Int(r.stacknum);
  f.Int(r.x);
  f.Int(r.y);
  f.WidthFactor(r.widthfactor, kOldSliderControlWidthUnit);
  f.Int(r.sizecode);
  f.Block(r.field6);
  f.Text(r.title);
  f.Int(r.initmode);
  f.Text(r.startvalue);
  f.Text(r.sendprefix);
  f.Int(r.valuetype);
  f.Text(r.valuetext);
  f.Text(r.responseto);
  f.Text(r.sendvalueto);
  f.Text(r.getcommand);
  f.Text(r.topvalue);
  f.Text(r.bottomvalue);
  f.Int(r.continuoussend);
  f.Int(r.tickmarks);
  f.Int(r.showvalues);
  f.Int(r.responseexpected);
  f.Int(r.textcolor);
  f.Int(r.field23);
  f.Int(r.field24);
  f.Double(r.heightfactor);
  f.Int(r.field26);
  f.Int(r.page);
}

template <class F>
void Layout(F& f, PIControllerRecord& r) {
  f.Int(r.stacknum);
  f.Int(r.page);
  f.Int(r.x);
  f.Int(r.y);
  f.Double(r.widthfactor);
  f.Double(r.heightfactor);
  f.Text(r.title);
  f.Int(r.sizecode);
  f.Int(r.textcolor);
  f.Text(r.idlabel);
  f.Text(r.pollcommand);
  f.Text(r.sensorto);
  f.Int(r.kpkiformat);
  f.Int(r.locksettings);
  f.Text(r.multiplier);
  f.Text(r.offset);
  f.Text(r.lookuptable);
  f.Text(r.formula);
  f.Text(r.posmax);
  f.Text(r.posmin);
  f.Text(r.negmax);
  f.Text(r.negmin);
  f.Text(r.posprefix);
  f.Text(r.negprefix);
  f.Text(r.kptext);
  f.Text(r.kitext);
  f.Int(r.logcolumn);
}

template <class F>
void Layout(F& f, ChartRecorderField& r) {
  f.Text(r.label);
  f.Int(r.order);
  f.Int(r.colour);
  f.Text(r.unitdiv);
  f.Text(r.position);
  f.Int(r.unitdivdownpressed);
  f.Int(r.unitdivuppressed);
  f.Int(r.positiondownpressed);
  f.Int(r.positionuppressed);
}

template <class F>
void Layout(F& f, ChartRecorderRecord& r) {
  f.Int(r.stacknum);
  f.Int(r.x);
  f.Int(r.y);
  f.Double(r.widthfactor);
  f.Double(r.heightfactor);
  f.Int(r.sizecode);
  f.Int(r.page);
  f.Count(r.fields, kTooManyChartFieldsMessage);
  f.List(r.fields);
  f.Int(r.hdivisions);
  f.Int(r.vdivisions);
  f.Int(r.scanrate);
  f.Int(r.span);
  f.Int(r.spanunit);
  f.Int(r.field15);
  f.Text(r.plotfile);
  f.Int(r.field17);
  f.Text(r.starttime);
  f.Text(r.startdate);
  f.Text(r.lasttime);
  f.Text(r.lastdate);
  f.Text(r.windowdate);
  f.Text(r.windowtime);
  f.Text(r.timediv);
  f.Int(r.cursornone);
  f.Int(r.cursortime);
  f.Int(r.cursorunits);
  f.Text(r.cursor1);
  f.Text(r.cursor2);
  f.Text(r.delta);
  for (int* value : {&r.field31, &r.field32, &r.field33, &r.field34, &r.field35, &r.field36, &r.field37, &r.field38,
                     &r.field39, &r.field40, &r.field41, &r.field42}) {
    f.Int(*value);
  }
  f.Text(r.idlabel);
  f.Int(r.autostart);
}

template <class F>
void Layout(F& f, ScriptStep& r) {
  f.Int(r.code);
  f.Text(r.param1);
  f.Text(r.spare1);
  f.Text(r.spare2);
  f.Text(r.spare3);
  f.Text(r.param2);
  f.Int(r.color1);
  f.Int(r.color2);
  f.Int(r.fontsize);
  f.Int(r.spare4);
  f.Int(r.spare5);
  f.Int(r.spare6);
  f.Text(r.barcode);
  f.Int(r.barsize);
}

template <class F>
void Layout(F& f, ScriptRecord& r) {
  f.Text(r.idlabel);
  f.Count(r.steps, kTooManyScriptStepsMessage);
  f.Int(r.curstep);
  f.List(r.steps);
  f.Int(r.isrunning);
}

template <class F>
void Layout(F& f, ConditionalRecord& r) {
  f.Text(r.idlabel);
  f.Text(r.field2);
  f.Int(r.field3);
  f.Text(r.field4);
  f.Text(r.field5);
  f.Text(r.field6);
  f.Text(r.field7);
  f.Int(r.field8);
  f.Int(r.field9);
  f.Int(r.actionstarted);
  f.Int(r.field11);
  f.Text(r.field12);
  f.Text(r.field13);
  f.Int(r.field14);
  f.Int(r.armed);
  f.Text(r.expression);
}

template <class F>
void Layout(F& f, VariableRecord& r) {
  f.Text(r.idlabel);
  f.Int(r.valueformat);
  f.Text(r.valuetext);
  f.Int(r.decimals);
  f.Int(r.resetonrun);
  f.Int(r.timerrunning);
  f.Int(r.logcolumn);
}

template <class F>
void Layout(F& f, DataParserStep& r) {
  f.Int(r.kind);
  f.Text(r.field2);
  f.Text(r.field3);
  f.Text(r.field4);
}

template <class F>
void Layout(F& f, DataParserRecord& r) {
  f.Text(r.idlabel);
  f.Count(r.steps, kTooManyDataParserStepsMessage);
  f.List(r.steps);
  f.Int(r.field4);
  f.Text(r.field5);
}

}  // namespace korvix
