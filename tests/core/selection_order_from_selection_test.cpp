#include "core/catalogue/device_record.h"
#include "core/errors.h"
#include "core/order/order_list.h"
#include "core/selection/fan_result_row.h"
#include "core/selection/order_from_selection.h"

#include <gtest/gtest.h>

using namespace kalvintera;

namespace {

// A roof fan in basic mode, colour "STANDARD": what most order lines look like.
FanOrderInput BasicFan()
{
    FanOrderInput input;
    input.device_index = 4;
    input.quantity_text = "1";
    input.flow_text = "1200";
    input.pressure_text = "150";
    input.voltage_text = "230";
    input.colour_text = "STANDARD";
    input.arrangement_caption = "RD0";
    return input;
}

} // namespace

TEST(FanOrderLine, BasicModeFanHasNoExecutionAndNoArrangement)
{
    const OrderLine line = FanOrderLine(BasicFan(), NumberFormat::point());
    EXPECT_EQ(line.DeviceIndex, 4);
    EXPECT_EQ(line.Quantity, "1");
    EXPECT_EQ(line.LineNo, "");
    EXPECT_DOUBLE_EQ(line.DutyFlow, 1200.0);
    EXPECT_DOUBLE_EQ(line.DutyPressure, 150.0);
    EXPECT_EQ(line.Voltage, "230");
    EXPECT_EQ(line.Execution, "");
    EXPECT_EQ(line.Colour, "STANDARD");
    // Not radial: the checked arrangement is not ordered, whatever it is.
    EXPECT_EQ(line.Arrangement, "NA");
}

TEST(FanOrderLine, OptionsOfAdvancedModeReachTheLine)
{
    FanOrderInput radial = BasicFan();
    radial.radial = true;
    radial.arrangement_caption = "LG90";
    radial.executions = ExecutionChoice{true, false, false, false, true};
    EXPECT_EQ(FanOrderLine(radial, NumberFormat::point()).Arrangement, "LG90");
    EXPECT_EQ(FanOrderLine(radial, NumberFormat::point()).Execution, "T40+D");

    FanOrderInput ral = BasicFan();
    ral.colour_text = "INNY RAL";
    ral.other_ral = true;
    ral.ral_text = "5010";
    EXPECT_EQ(FanOrderLine(ral, NumberFormat::point()).Colour, "5010");
    ral.other_ral = false; // another colour chosen: the colour's own text, the RAL field ignored
    ral.colour_text = "CZERWONY";
    EXPECT_EQ(FanOrderLine(ral, NumberFormat::point()).Colour, "CZERWONY");
}

TEST(FanOrderLine, TextsAreCutToTheirFields)
{
    FanOrderInput input = BasicFan();
    input.quantity_text = "1500";
    input.voltage_text = "230/400/690V";
    input.other_ral = true;
    input.ral_text = "RAL 5010 GENTIANBLAU MATT";
    const OrderLine line = FanOrderLine(input, NumberFormat::point());
    EXPECT_EQ(line.Quantity, "150");
    EXPECT_EQ(line.Voltage, "230/400/69");
    EXPECT_EQ(line.Colour, "RAL 5010 GENTIANBLAU");
}

TEST(FanOrderLine, VoltageOfTheRowIsTheChosenSupply)
{
    DeviceRecord record;
    record.Voltage1 = "230";
    record.Current1 = "1.2";
    record.Voltage2 = "400";
    record.Current2 = "0.7";

    FanOrderInput input = BasicFan();
    input.voltage_text = ResultSupplyTexts(record, FanRowOptions{true, "400"}).voltage;
    EXPECT_EQ(FanOrderLine(input, NumberFormat::point()).Voltage, "400");
    // Basic mode shows, and orders, both supplies.
    input.voltage_text = ResultSupplyTexts(record, FanRowOptions{false, "400"}).voltage;
    EXPECT_EQ(FanOrderLine(input, NumberFormat::point()).Voltage, "230/400");
}

TEST(FanOrderLine, DutyPointIsReadInEitherSeparatorAndMustBeANumber)
{
    FanOrderInput input = BasicFan();
    input.flow_text = "0.35";
    input.pressure_text = "12,5";
    const OrderLine comma = FanOrderLine(input, NumberFormat::comma());
    EXPECT_DOUBLE_EQ(comma.DutyFlow, 0.35);
    EXPECT_DOUBLE_EQ(comma.DutyPressure, 12.5);

    input.flow_text = "";
    EXPECT_THROW(FanOrderLine(input, NumberFormat::point()), ConversionError);
    input.flow_text = "1200";
    input.pressure_text = "150 Pa";
    EXPECT_THROW(FanOrderLine(input, NumberFormat::point()), ConversionError);
}

TEST(VentilatorOrderLine, CylindricalAndIntegratedDifferInTheVoltageOnly)
{
    const VentilatorOrderInput input{98, "2000", "CZARNY ANTRACYTOWY GRAFIT"};
    const OrderLine cylindrical = CylindricalOrderLine(input);
    EXPECT_EQ(cylindrical.DeviceIndex, 98);
    EXPECT_EQ(cylindrical.Quantity, "200");
    EXPECT_EQ(cylindrical.Colour, "CZARNY ANTRACYTOWY G");
    EXPECT_EQ(cylindrical.Execution, "N/A");
    EXPECT_EQ(cylindrical.Arrangement, "N/A");
    EXPECT_EQ(cylindrical.Voltage, "N/A");
    EXPECT_DOUBLE_EQ(cylindrical.DutyFlow, 0.0);

    OrderLine integrated = IntegratedOrderLine(input);
    EXPECT_EQ(integrated.Voltage, "400");
    integrated.Voltage = "N/A";
    EXPECT_EQ(integrated, cylindrical);
}

TEST(VentilatorOrderLine, AppendedLineIsNumberedByItsPosition)
{
    OrderList order;
    ASSERT_EQ(order.append(FanOrderLine(BasicFan(), NumberFormat::point())), AppendResult::Appended);
    ASSERT_EQ(order.append(IntegratedOrderLine({105, "3", "BIAŁY"})), AppendResult::Appended);
    EXPECT_EQ(order.at(1).LineNo, "1");
    EXPECT_EQ(order.at(1).Colour, "BIAŁY");
}
