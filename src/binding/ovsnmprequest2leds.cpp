#include "ovsnmprequest2leds.h"

#include "ovexception.h"
#include "ovoptionlist.h"
#include "shape.h"

#include <QFrame>

#include <algorithm>
#include <sstream>

namespace {

constexpr int32_t PartOutOfRange = -519;

// "2" or "0,1": the byte indexes of a list, each a decimal number.
std::vector<int> ByteIndexList(const std::string& text) {
    std::vector<int> indexes;
    std::istringstream parts(text);
    for (std::string part; std::getline(parts, part, ',');) {
        size_t used = 0;
        int index = -1;
        try {
            index = std::stoi(part, &used);
        } catch (const std::exception&) {
            used = 0;
        }
        if (used == 0 || part.find_first_not_of(" \t", used) != std::string::npos || index < 0)
            throw OvException("'" + part + "' is not a valid integer value", OvException::ConversionError);
        indexes.push_back(index);
    }
    return indexes;
}

}  // namespace

OvSNMPRequest2Leds::OvSNMPRequest2Leds(QWidget* owner) : OvSNMPRequest2Controls(owner) {
    QObject::connect(&PollTimer, &QTimer::timeout, &PollTimer, [this] { Poll(); });
    QObject::connect(&BlinkTimer, &QTimer::timeout, &BlinkTimer, [this] { PaintLeds(); });
    BlinkTimer.start(BlinkIntervalMs);
}

OvSNMPRequest2Leds::~OvSNMPRequest2Leds() {
    StopPolling();
}

QColor OvSNMPRequest2Leds::ToColour(int32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

void OvSNMPRequest2Leds::Paint(const OvSNMPLed& led, int32_t colour) {
    if (!led.Shape)
        return;
    led.Shape->SetFillColour(ToColour(colour));
    led.Shape->SetOutlineColour(ToColour(colour));
    led.Shape->show();
}

void OvSNMPRequest2Leds::AddLed(int itemIndex, int byteIndex, const OvSNMPLedColorMapList* map, ::Shape* shape) {
    auto led = std::make_unique<OvSNMPLed>();
    led->VariableIndex = itemIndex;
    led->ByteIndex = byteIndex;
    led->ColourMap = map;
    led->Shape = shape;
    led->Colour = map->OffColour;
    Paint(*led, led->Colour);
    Leds.push_back(std::move(led));
}

void OvSNMPRequest2Leds::AddLeds(int itemIndex, const std::string& byteIndexes, const OvSNMPLedColorMapList* map,
                                 QWidget* panel, int left, int gap, int shapeKind, int width, int height) {
    const std::vector<int> indexes = ByteIndexList(byteIndexes);
    for (size_t i = 0; i < indexes.size(); ++i) {
        auto* shape = new ::Shape(panel);
        shape->SetKind(shapeKind);
        shape->setGeometry(left + static_cast<int>(i) * (gap + width), 1, width, height);
        shape->show();
        AddLed(itemIndex, indexes[i], map, shape);
    }
    if (auto* frame = qobject_cast<QFrame*>(panel))
        frame->setFrameShape(QFrame::NoFrame);
}

void OvSNMPRequest2Leds::SetLedMode(int32_t mode, int32_t singleByteLeds) {
    LedMode = mode > 0 ? mode : 1;
    SingleByteLeds = singleByteLeds > 0 ? singleByteLeds : 4;
}

void OvSNMPRequest2Leds::Refresh() {
    try {
        Get();
    } catch (const OvException& e) {
        ResetLeds();
        throw OvException(e.Text(), e.Code());
    }
}

void OvSNMPRequest2Leds::ResetLeds() {
    for (const auto& led : Leds) {
        led->Blinking = false;
        led->Colour = led->ColourMap->OffColour;
        Paint(*led, led->Colour);
    }
}

void OvSNMPRequest2Leds::StartPolling(int interval) {
    // An interval of 0 would poll the agent as fast as the loop turns.
    PollTimer.start(std::max(interval, 1) * 10);
    Refresh();
}

void OvSNMPRequest2Leds::StopPolling() {
    PollTimer.stop();
    BlinkTimer.stop();
    ResetLeds();
}

void OvSNMPRequest2Leds::Poll() {
    try {
        Get();
    } catch (const OvException& e) {
        ResetLeds();
        ShowStatus(e.Text());
    }
}

void OvSNMPRequest2Leds::ShowValues() {
    BlinkTicks = 0;
    for (const auto& led : Leds)
        EvaluateLed(*led);
    PaintLeds();
}

void OvSNMPRequest2Leds::SetNoData(OvSNMPLed& led) {
    if (led.ColourMap->NoDataColour == OvSNMPLedColorMapList::NoColour)
        throw OvException::Own(PartOutOfRange);
    led.Colour = led.ColourMap->NoDataColour;
    led.Blinking = false;
}

void OvSNMPRequest2Leds::EvaluateLed(OvSNMPLed& led) {
    const OvSNMPVarItem& item = Request.List.Item(led.VariableIndex);
    const std::string text = item.Options ? item.Options->TextToValue(item.Value) : item.Value;
    const std::string bytes = TextToBytes(text, item.Syntax);
    const auto byteAt = [&bytes](size_t index) { return static_cast<uint8_t>(bytes[index]); };
    const auto index = static_cast<size_t>(led.ByteIndex);
    if (led.ByteIndex < 0 || index >= bytes.size())
        return SetNoData(led);
    const OvSNMPLedColorMapList& map = *led.ColourMap;
    const uint8_t status = byteAt(index);
    if (LedMode != 2 || led.ByteIndex < SingleByteLeds) {
        led.Colour = map.LookupColour(status & map.ValueMask);
        led.Blinking = (status & map.BlinkMask) != 0;
        return;
    }
    // A status of 1 is the switch saying it has no data for this LED. A map
    // without a no-data colour then shows the LED off.
    if (status == 1) {
        const bool hasNoDataColour = map.NoDataColour != OvSNMPLedColorMapList::NoColour;
        led.Colour = hasNoDataColour ? map.NoDataColour : map.OffColour;
        led.Blinking = false;
        return;
    }
    // A value that ends after the status byte lacks the colour: as good as
    // a missing status byte.
    if (index + 1 >= bytes.size())
        return SetNoData(led);
    led.Blinking = (status & map.BlinkMask) != 0;
    led.Colour = map.LookupColour(byteAt(index + 1) & map.ValueMask);
}

void OvSNMPRequest2Leds::PaintLeds() {
    bool anyBlinking = false;
    for (const auto& led : Leds) {
        if (!led->Blinking) {
            Paint(*led, led->Colour);
            continue;
        }
        anyBlinking = true;
        const int32_t off = led->ColourMap->OffColour;
        const bool showsOff = led->Shape && led->Shape->FillColour() == ToColour(off);
        Paint(*led, showsOff || BlinkTicks > BlinkLimit ? led->Colour : off);
    }
    if (anyBlinking)
        ++BlinkTicks;
}

void OvSNMPRequest2Leds::GetFailed(const OvSNMPError& record) {
    ResetLeds();
    ShowStatus(record.Text);
}
