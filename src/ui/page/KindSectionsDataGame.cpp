#include "ui/page/KindSectionTables.h"

namespace morvane::ui::page::tables {
namespace {

using C = Control;
using P = Placement;

// Labels left out are the key table's labels.
// clang-format off
constexpr FieldSpec kGraph[] = {
    path(u"DataFile", FileKind::AllFiles),
    text(u"GraphTitle"),
    radio(u"Radio14Index"),
    text(u"XAxisLabel"),
    text(u"YAxisLabel"),
    number(u"XMin", u"pixels (Default is 0)"),
    number(u"YMin", u"pixels (Default is 0)"),
    number(u"Border", u"pixels (Default is 0, no border)"),
    swatch(u"BorderColor"),
};
constexpr HelpSpec kGraphHelp[] = {{u"'Data file' is the file containing the data to plot. The data file format must be the following: The columns are separated by a space, the first column is the X data, the others columns are the Y datas, so you can plot several plots on the same graph. To get an example, view the file 'data.dat' in the 'Graph' directory. You can link the data dots or not, set the graph title, X axis and Y axis labels. You can also set the X and Y minima values: If your X datas begin from 2000, then set the X axis minimum boundary to 2000. Endless you can add a border, set its size and its color."}};

constexpr FieldSpec kLightOn[] = {
    number(u"SquaresWidth", u"(Default: width is adjusted to applet size)"),
    swatch(u"OffColor"),
    swatch(u"OnColor"),
};
constexpr HelpSpec kLightOnHelp[] = {{u"The board is made of squares that are lit or off; a click on a square switches it and its neighbours, and the visitor wins when every square is lit. 'Squares width' is the number of squares on a side: 4 gives a 4x4 board. Click the two boxes to choose the colors of the squares that are off and on."}};

constexpr FieldSpec kPolygons[] = {
    number(u"Pause", u"milliseconds (Default is 10)"),
    number(u"Pause2", u"milliseconds (Default is 1000)"),
    radio(u"Radio6Index"),
    swatch(u"Color"),
    group(u"Polygons effect"),
    radio(u"Radio7Index"),
    {.control = C::Edit, .key = u"Order", .placement = P::BesideItem},
    {.control = C::Edit, .key = u"OrderMax", .hint = u"(Default is 10)", .placement = P::BesideItem},
    number(u"AngleStep", u"(Default is 4)"),
    group(u"Triangles effect"),
    radio(u"Radio8Index"),
    {.control = C::Edit, .key = u"TrianglesNumber", .placement = P::BesideItem},
    {.control = C::Edit, .key = u"NumberMax", .hint = u"(Default is 10)", .placement = P::BesideItem},
    number(u"Coefficient", u"(Default is 15)"),
    number(u"ReplicaNumber", u"(Default is 15)"),
};
constexpr HelpSpec kPolygonsHelp[] = {
    {u"This animation is composed of frames.'Animation pause' is the delay between two frames, and 'Pause between 2 drawings' the delay before a new drawing starts. Click the 'Drawing color' box to choose the color of the lines."},
    {u"This applet provides 2 effects : Polygons effect and Triangles effect. You can activate one or both of them. To activate the both effects, select 'Alternate randomly', then each effect will appear randomly. Otherwise select the effect you want.", u"Radio6Index"},
    {u"The polygons effect draws polygons that turn. Choose 'Order :' and type the number of sides to draw always the same polygon, or 'Random, from 2 to :' and type the largest number of sides to change it at each drawing. 'Angle step' is the angle, in degrees from 1 to 360, the polygon turns in each frame.", u"Polygons effect"},
    {u"The triangles effect draws triangles that fold into one another. Choose 'Number :' and type how many triangles to draw always the same number, or 'Random, from 4 to :' and type the largest number to change it at each drawing. 'Coefficient' sets how far each triangle folds and 'Replica number' how many copies of it are drawn.", u"Triangles effect"},
};

constexpr FieldSpec kSoundPlayer[] = {
    number(u"Pause", u"milliseconds (Default is 200)"),
    text(u"NextLabel"),
    text(u"PrevLabel"),
    text(u"PlayLabel"),
    text(u"StopLabel"),
    radio(u"Radio11Index"),
    text(u"Prefix"),
    group(u"Clips locations and clips names"),
    {.control = C::RecordList, .list = ListFileId::SoundPlayerNames},
};
constexpr HelpSpec kSoundPlayerHelp[] = {
    {u"The player shows the title of the clip scrolling; 'Animation pause' is the delay between two scrolling frames. You can change the labels of the four buttons, choose whether the first clip plays as soon as the applet is loaded, and type a text written before and after each title in 'Title prefix and suffix'."},
    {u"Add the clips two fields at a time: click 'Browse' to choose an AU sound, type its name in 'Clip name', then click 'Add'. The name is the title the player shows. To remove a clip, select it and click 'Remove'.", u"Clips locations and clips names"},
};

constexpr FieldSpec kTable[] = {
    path(u"DataFile", FileKind::AllFiles),
    radio(u"Radio16Index"),
    radio(u"Radio15Index"),
    text(u"CustomTitleRow"),
    group(u"Colors"),
    {.control = C::CheckBox, .key = u"Alternated"},
    {.control = C::ColorSwatch, .key = u"BackgroundColor2", .label = u"", .placement = P::SameRow},
    swatch(u"ColumnsColor"),
    {.control = C::RecordList, .list = ListFileId::TableColumns, .label = u"Custom data color in columns :"},
    number(u"Border", u"pixels (Default is 0, no border)"),
    swatch(u"BorderColor"),
};
constexpr HelpSpec kTableHelp[] = {{u"'Data file' is the file containing the data to plot. The data file format must be the following: The columns are separated by a comma ','. To get an example, view the file 'data.txt' in the 'Table' directory. You can choose to skip the first line of the file. You can add a title row: this row will be separated from the other rows by a blank row in the table. You have to choose between 3 modes: 1) no title row, 2) use the first line as the title row, 3) use a custom title row. If you choose 3) then set the 'Custom title row' field. You can add a second background color to highlight the rows. To do so check the checkbox and set the 'Alternated row background color'. 'Default data color in all columns' is the default data color. If you want the data in a specific column to be colored with another color, then fill out the 'Column number', set the color and click 'Add'. Endless you can add a border, set its size and its color."}};

constexpr FieldSpec kTicTacToe[] = {
    {.control = C::RadioGroup, .key = u"Radio1Index", .width = 220},
    {.control = C::RadioGroup, .key = u"Radio2Index", .placement = P::SameRow},
    swatch(u"Color"),
    path(u"PlayerImage", FileKind::Images),
    path(u"ComputerImage", FileKind::Images),
    path(u"PlayerSound", FileKind::Sounds),
    path(u"ComputerSound", FileKind::Sounds),
    path(u"DrawSound", FileKind::Sounds),
    path(u"ClickSound", FileKind::Sounds),
};
constexpr HelpSpec kTicTacToeHelp[] = {{u"'First player' tells who plays first: the visitor ('Player'), the applet ('Computer'), or 'Ask' to let the visitor choose when the game starts. 'Game difficulty' sets how well the applet plays. Choose the images drawn for the two players and, if you want, the sounds played when the player or the computer plays, when the game is a draw and when the visitor clicks."}};
// clang-format on

constexpr SpecificSectionEntry kEntries[] = {
    {u"Graph", {nullptr, 243, kGraph, kGraphHelp}},
    {u"LightOn", {nullptr, 109, kLightOn, kLightOnHelp}},
    {u"Polygons", {nullptr, 423, kPolygons, kPolygonsHelp}},
    {u"SoundPlayer", {nullptr, 393, kSoundPlayer, kSoundPlayerHelp}},
    {u"Table", {nullptr, 447, kTable, kTableHelp}},
    {u"TicTacToe", {nullptr, 288, kTicTacToe, kTicTacToeHelp}},
};

} // namespace

std::span<const SpecificSectionEntry> dataGameSections()
{
    return kEntries;
}

} // namespace morvane::ui::page::tables
