#pragma once

#include "ovsnmpledcolormaplist.h"
#include "ovsnmprequest2controls.h"

#include <QColor>
#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QWidget;
class Shape;

// One LED: which byte of which variable drives it, its colour map, the
// shape that draws it and what the last evaluation made of it.
struct OvSNMPLed {
    int VariableIndex = 0;
    int ByteIndex = 0;
    const OvSNMPLedColorMapList* ColourMap = nullptr;
    QPointer<::Shape> Shape;  // the form's; gone when the form frees it
    bool Blinking = false;
    int32_t Colour = 0;
};

// Turns an octet-string variable holding one status byte (or a status and
// a colour byte) per LED into coloured shapes, polled on a timer. LEDs
// whose status carries the blink bit flicker for a few paints after each
// poll and then stay lit until the next one.
class OvSNMPRequest2Leds : public OvSNMPRequest2Controls {
public:
    static constexpr int BlinkIntervalMs = 60;

    std::vector<std::unique_ptr<OvSNMPLed>> Leds;
    QTimer PollTimer;
    QTimer BlinkTimer;
    // Paints after an evaluation during which blinking LEDs toggle.
    int32_t BlinkLimit = 6;
    // Paints since the last evaluation in which some LED blinked.
    int32_t BlinkTicks = 0;
    // 1: one status byte per LED; 2: a status and a colour byte per LED
    // from byte SingleByteLeds on.
    int32_t LedMode = 1;
    int32_t SingleByteLeds = 4;

    explicit OvSNMPRequest2Leds(QWidget* owner);
    ~OvSNMPRequest2Leds() override;

    void AddLed(int itemIndex, int byteIndex, const OvSNMPLedColorMapList* map, ::Shape* shape);
    // byteIndexes: comma-separated ("2" or "0,1"); one new shape per index,
    // placed on panel from left on, gap pixels apart, top 1.
    void AddLeds(int itemIndex, const std::string& byteIndexes, const OvSNMPLedColorMapList* map, QWidget* panel,
                 int left, int gap, int shapeKind, int width, int height);
    void SetLedMode(int32_t mode, int32_t singleByteLeds);

    // Get; a synchronous failure resets the LEDs and is raised again.
    void Refresh();
    void ResetLeds();
    // A poll every interval x 10 ms, the first at once.
    void StartPolling(int interval);
    void StopPolling();

    virtual void EvaluateLed(OvSNMPLed& led);
    void PaintLeds();

    // 0x00BBGGRR as the toolkit's colour.
    static QColor ToColour(int32_t colour);

protected:
    void ShowValues() override;
    void GetFailed(const OvSNMPError& record) override;

private:
    void Poll();
    static void Paint(const OvSNMPLed& led, int32_t colour);
    // The LED's colour when a byte it needs is missing from the value.
    static void SetNoData(OvSNMPLed& led);
};
