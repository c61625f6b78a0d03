#pragma once
// Catalogue indexes of the kinds the editing code treats specially (toolbox
// order, which is also the picture index of an explorer node).

namespace sw::kind {

enum Index : int {
    Text = 0,
    CutTrack = 1,
    SolderPad = 2,
    Trace = 3,
    Jumper = 4,
    Resistor = 5,
    Capacitor = 6,
    Diode = 7,
    Led = 8,
    Electrolyte = 9,
    Transistor = 10,
    DilIc = 11,
    SilIc = 12,
    Trimmer = 13,
    Potentiometer = 14,
    Transformer = 15,
    Switch = 16,
    Wire = 17,
    AudioJack = 18,
    TubeSocket = 19,
    Relay = 20,
};

}  // namespace sw::kind
