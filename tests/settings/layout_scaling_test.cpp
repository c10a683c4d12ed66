#include "settings/layout_scaling.h"

#include <gtest/gtest.h>

namespace memvalo {
namespace {

class LayoutScalingTest : public ::testing::Test {
  protected:
    LayoutScalingTest() {
        form.kind = ControlKind::Form;
        form.geometry = {0, 0, 10000, 8000};
        add("txtfrage", ControlKind::TextBox, {1000, 500, 4000, 1200}, 14);
        add("lblazist(3)", ControlKind::Label, {7000, 2000, 600, 300}, 9);
        add("lblinidir", ControlKind::Label, {-20000, 100, 1500, 300}, 8);
        add("cbo", ControlKind::ComboBox, {200, 6000, 2000, 315}, 8);
        controls["mnudatei"].kind = ControlKind::Menu;
        resize.oForm(form, controls);
        resize.Initialize();
    }
    void add(const std::string& name, ControlKind kind, Geometry g, double fontSize) {
        Control& c = controls[name];
        c.kind = kind;
        c.geometry = g;
        c.font.size = fontSize;
    }
    void resizeTo(int width, int height) {
        form.geometry.width = width;
        form.geometry.height = height;
        resize.DoResize();
    }
    const Geometry& at(const std::string& name) { return controls.at(name).geometry; }
    double fontOf(const std::string& name) { return controls.at(name).font.size; }

    Control form;
    ControlMap controls;
    clsResize resize;
};

TEST_F(LayoutScalingTest, ScalesByTheRatiosAndTheDesignedSizeRestoresTheDesign) {
    resizeTo(20000, 8000);  // double width: left and width only, fonts follow the smaller ratio
    EXPECT_EQ(at("txtfrage"), (Geometry{2000, 500, 8000, 1200}));
    EXPECT_DOUBLE_EQ(fontOf("txtfrage"), 14);
    EXPECT_EQ(at("lblinidir").left, -40000) << "a parked control stays out of sight";

    resizeTo(8000, 6400);
    EXPECT_EQ(at("lblazist(3)"), (Geometry{5600, 1600, 480, 240}));
    EXPECT_NEAR(fontOf("txtfrage"), 14 * 0.8, 1e-4);
    EXPECT_NEAR(fontOf("lblazist(3)"), 9 * 0.8, 1e-4);

    resizeTo(10000, 8000);
    EXPECT_EQ(at("txtfrage"), (Geometry{1000, 500, 4000, 1200}));
    EXPECT_EQ(at("lblinidir"), (Geometry{-20000, 100, 1500, 300}));
    EXPECT_DOUBLE_EQ(fontOf("txtfrage"), 14);
}

}  // namespace
}  // namespace memvalo
