#pragma once
// A small diagnosis reference for the tests: three messages for FLG1, two for
// FLG2, one for SLG1, none for HBB1; FLG1's first has every field, its second
// only number and text; FLG2's second an empty symptom and a blank signal.

#include <QByteArray>

namespace sample {

inline const QByteArray kReference = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE DDSMessages>
<DDSMessages>
  <Info>not a message</Info>
  <A_WAP_DDS><ProcessorName>FLG1</ProcessorName><STNR>1</STNR><SUB>Control</SUB><R_TEXT>First</R_TEXT>
    <SIGNALNAME>FLG1_D50_XSpeedLoco</SIGNALNAME><SYMPTOME>Symptom 1</SYMPTOME><URSACHEN>Cause 1</URSACHEN>
    <BEMERKUNG>Advice 1</BEMERKUNG><Zi>2</Zi></A_WAP_DDS>
  <A_WAP_DDS><ProcessorName>FLG2</ProcessorName><STNR>5</STNR><SUB>Control</SUB><R_TEXT>Partner</R_TEXT></A_WAP_DDS>
  <A_WAP_DDS><ProcessorName>FLG1</ProcessorName><STNR>17</STNR><R_TEXT>Second</R_TEXT></A_WAP_DDS>
  <A_WAP_DDS><ProcessorName>SLG1</ProcessorName><STNR>8</STNR><SUB>Bogie 1</SUB><R_TEXT>Earth</R_TEXT></A_WAP_DDS>
  <A_WAP_DDS><ProcessorName>FLG2</ProcessorName><STNR>6</STNR><SUB>Brakes</SUB><R_TEXT>No symptoms</R_TEXT>
    <SIGNALNAME>   </SIGNALNAME><SYMPTOME/><URSACHEN>Cause 6</URSACHEN><BEMERKUNG>Advice 6</BEMERKUNG></A_WAP_DDS>
  <A_WAP_DDS><ProcessorName>HBB2</ProcessorName><STNR>2</STNR><R_TEXT>Other cubicle</R_TEXT></A_WAP_DDS>
  <A_WAP_DDS><ProcessorName>FLG1</ProcessorName><STNR>40</STNR><SUB>Brakes</SUB><R_TEXT>Third</R_TEXT></A_WAP_DDS>
</DDSMessages>
)";

} // namespace sample
