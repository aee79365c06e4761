#include "dialogs/DialogTemplate.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

// Writes templates the way the resource compiler lays them out.
class CTemplateWriter {
public:
    void U16(std::uint16_t v)
    {
        bytes.push_back(static_cast<std::uint8_t>(v));
        bytes.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    void U32(std::uint32_t v)
    {
        U16(static_cast<std::uint16_t>(v));
        U16(static_cast<std::uint16_t>(v >> 16));
    }
    void Text(const std::wstring& s)
    {
        for (wchar_t c : s)
            U16(static_cast<std::uint16_t>(c));
        U16(0);
    }
    void Align()
    {
        while (bytes.size() % 4)
            bytes.push_back(0);
    }
    std::vector<std::uint8_t> bytes;
};

std::vector<std::uint8_t> Plain(bool font)
{
    CTemplateWriter w;
    w.U32(0x80C80080u | (font ? 0x40u : 0u)); // style, with DS_SETFONT for a font
    w.U32(0);                                 // extended style
    w.U16(2);                                 // items
    for (int v : {0, 0, 246, 54})
        w.U16(static_cast<std::uint16_t>(v));
    w.U16(0);          // no menu
    w.U16(0);          // default class
    w.Text(L"Select"); // title
    if (font) {
        w.U16(9);
        w.Text(L"Verdana");
    }
    const int items[2][5] = {{1000, 7, 20, 232, 60}, {1, 190, 36, 50, 14}};
    for (const auto& item : items) {
        w.Align();
        w.U32(0x50010000); // style
        w.U32(0);
        for (int k = 1; k < 5; ++k)
            w.U16(static_cast<std::uint16_t>(item[k]));
        w.U16(static_cast<std::uint16_t>(item[0]));
        w.U16(0xFFFF);
        w.U16(0x0085); // combo box class by ordinal
        w.Text(L"");
        w.U16(0);
    }
    return w.bytes;
}

std::vector<std::uint8_t> Extended()
{
    CTemplateWriter w;
    w.U16(1);
    w.U16(0xFFFF);
    w.U32(0);          // help id
    w.U32(0x00000008); // extended style
    w.U32(0x80C80048); // style, with a font
    w.U16(1);
    for (int v : {0, 0, 369, 81})
        w.U16(static_cast<std::uint16_t>(v));
    w.U16(0);
    w.Text(L"MyClass");
    w.Text(L"");
    w.U16(static_cast<std::uint16_t>(-10)); // a point size read as negative
    w.U16(700);
    w.bytes.push_back(1);
    w.bytes.push_back(0);
    w.Text(L"MS Shell Dlg");
    w.Align();
    w.U32(0);
    w.U32(0);
    w.U32(0x50000000);
    for (int v : {-3, 5, 20, 10})
        w.U16(static_cast<std::uint16_t>(v));
    w.U32(70000); // extended ids are 32 bits
    w.Text(L"Button");
    w.U16(0xFFFF);
    w.U16(5);
    w.U16(2);
    w.U16(0xABCD); // two bytes of creation data
    return w.bytes;
}

TEST(DialogTemplateTest, PlainTemplate)
{
    SDialogTemplate dialog;
    ASSERT_TRUE(ParseDialogTemplate(Plain(true), dialog));
    EXPECT_FALSE(dialog.extended);
    EXPECT_EQ(dialog.cx, 246);
    EXPECT_EQ(dialog.cy, 54);
    EXPECT_TRUE(dialog.hasFont);
    EXPECT_EQ(dialog.pointSize, 9);
    EXPECT_EQ(dialog.face, L"Verdana");
    ASSERT_EQ(dialog.items.size(), 2u);
    EXPECT_EQ(dialog.items[0].id, 1000u);
    EXPECT_EQ(dialog.items[1].x, 190);
    EXPECT_EQ(dialog.items[1].cy, 14);
    EXPECT_EQ(DialogFont(dialog, 96).height, -12);
}

TEST(DialogTemplateTest, TemplateWithoutFontUsesTahoma)
{
    SDialogTemplate dialog;
    ASSERT_TRUE(ParseDialogTemplate(Plain(false), dialog));
    const SDialogFont font = DialogFont(dialog, 96);
    EXPECT_EQ(font.face, L"Tahoma");
    EXPECT_EQ(font.height, -11);
    EXPECT_EQ(font.weight, 400);
    EXPECT_EQ(dialog.items.size(), 2u);
}

TEST(DialogTemplateTest, ExtendedTemplate)
{
    SDialogTemplate dialog;
    ASSERT_TRUE(ParseDialogTemplate(Extended(), dialog));
    EXPECT_TRUE(dialog.extended);
    EXPECT_EQ(dialog.exStyle, 8u);
    EXPECT_EQ(dialog.weight, 700);
    EXPECT_TRUE(dialog.italic);
    EXPECT_EQ(dialog.face, L"MS Shell Dlg");
    ASSERT_EQ(dialog.items.size(), 1u);
    EXPECT_EQ(dialog.items[0].id, 70000u);
    EXPECT_EQ(dialog.items[0].x, -3);
    EXPECT_EQ(DialogFont(dialog, 96).height, -13) << "a negative point size is negated";
}

TEST(DialogTemplateTest, TruncatedTemplatesAreRefused)
{
    for (const auto& whole : {Plain(true), Extended()}) {
        for (std::size_t size = 0; size < whole.size(); ++size) {
            SDialogTemplate dialog;
            ASSERT_FALSE(ParseDialogTemplate({whole.data(), size}, dialog)) << size;
        }
    }
}

TEST(DialogTemplateTest, LayoutRoundsHalfUp)
{
    SDialogTemplate dialog;
    ASSERT_TRUE(ParseDialogTemplate(Plain(false), dialog));
    EXPECT_EQ(AverageCharWidth(312), 6); // (312 / 26 + 1) / 2
    const SDialogLayout layout = LayoutDialog(dialog, 6, 13);
    EXPECT_EQ(layout.clientWidth, 369);  // 246 * 6 / 4
    EXPECT_EQ(layout.clientHeight, 88);  // 54 * 13 / 8 = 87.75
    EXPECT_EQ(layout.items[0], (SRect{11, 33, 359, 130})); // 10.5 rounds up to 11; 32.5 to 33
    const SDialogLayout odd = LayoutDialog(dialog, 5, 13);
    EXPECT_EQ(odd.items[0].left, 9); // 8.75
}

} // namespace
} // namespace vardex
