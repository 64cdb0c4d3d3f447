#include "generator/kinds/Blocks.h"
#include "generator/kinds/OtherColumnsSteps.h"

namespace morvane::generator {
namespace {

using catalog::ListFileId;

constexpr Step codeStep(bool (*code)(GenerationContext&), std::span<const ListFileId> reads = {},
                        std::span<const GuardedStep> checks = {})
{
    return {.rule = Rule::Custom,
            .param = nullptr,
            .source = nullptr,
            .custom = code,
            .reads = reads,
            .checks = checks};
}

// clang-format off
constexpr Step kIPViewer[] = {
    {Rule::OptionalText, u"text", u"Label"},
};
constexpr Step kLightOn[] = {
    {Rule::PositiveInt, u"square_width", u"SquaresWidth", u"Invalid squares width"},
    {Rule::Color, u"off_color", u"OffColor"},
    {Rule::Color, u"on_color", u"OnColor"},
};
constexpr Step kListLink[] = {
    {Rule::TextList, u"text", ListFileId::ListLinkTexts, u"at least a text and a link", u"number"},
    {Rule::TextList, u"link", ListFileId::ListLinkLinks, u"at least a text and a link", u"-"},
    {Rule::AsTyped, u"target", u"ListLinkTarget"},
};
// The item lists only go into the password file; the links list must not be empty, and an
// empty count name makes the text-list writer check just that.
constexpr Step kLoginBox[] = {
    {Rule::PositiveInt, u"frame_width", u"FrameWidth", u"Invalid frame width"},
    {Rule::PositiveInt, u"frame_height", u"FrameHeight", u"Invalid frame height"},
    {Rule::OptionalText, u"title", u"FrameTitle"},
    {Rule::OptionalText, u"login_text", u"LoginText"},
    {Rule::OptionalText, u"password_text", u"PasswordText"},
    {Rule::TextList, u"link", ListFileId::LoginBoxLinks, u"at least a login, a password and a link", u""},
    {Rule::AsTyped, u"target", u"LoginBoxTarget"},
    codeStep(writeLoginPasswordFile, kLoginPasswordFileReads),
};
constexpr Step kMemory[] = {
    {Rule::PositiveInt, u"columns_number", u"ColumnNumber", u"Invalid column number"},
    {Rule::FileList, u"image", ListFileId::MemoryImages, u"an image name", u"-"},
    {Rule::Color, u"turned_color", u"TurnedOffColor"},
    // Optional, but once named it is published with the page like the images of the list.
    {.rule = Rule::File, .param = u"turned_image", .source = u"TurnedOffImage", .when = u"TurnedOffImage"},
};
constexpr Step kMenuFrame[] = {
    {Rule::PositiveInt, u"frame_width", u"FrameWidth", u"Invalid frame width"},
    {Rule::PositiveInt, u"frame_height", u"FrameHeight", u"Invalid frame height"},
    {Rule::PositiveInt, u"frame_X", u"FrameX", u"Invalid frame X"},
    {Rule::MenuTree, nullptr, ListFileId::MenuFrameTree},
    {Rule::PositiveInt, u"frame_Y", u"FrameY", u"Invalid frame Y"},
    {Rule::AsTyped, u"target", u"MenuFrameTarget"},
};
constexpr Step kMenuPopUp[] = {
    {Rule::MenuTree, nullptr, ListFileId::MenuPopUpTree},
    {.rule = Rule::PositiveInt, .param = u"text_height", .source = u"TextHeight", .message = u"Invalid text height", .when = u"Text"},
    {.rule = Rule::AsTyped, .param = u"text", .source = u"Text", .when = u"Text"},
    {.rule = Rule::Color, .param = u"text_color", .source = u"Color", .when = u"Text"},
    {Rule::AsTyped, u"target", u"MenuPopupTarget"},
    {.rule = Rule::Choice, .param = u"mode", .source = u"Radio5Index", .firstValue = u"enter", .otherValue = u"clic"},
    {.rule = Rule::Choice, .param = u"location", .source = u"Radio4Index", .firstValue = u"center", .otherValue = u"mouse", .secondValue = u"random"},
};
constexpr Step kNavigation[] = {
    {Rule::TextList, u"link", ListFileId::NavigationLinks, u"at a link, an image and a mouse over image", u"number"},
    {Rule::FileList, u"image", ListFileId::NavigationImages, u"at a link, an image and a mouse over image", u"-"},
    {Rule::FileList, u"image_focused", ListFileId::NavigationFocusedImages, u"at a link, an image and a mouse over image", u"-"},
    {.rule = Rule::Choice, .param = u"direction", .source = u"Radio3Index", .firstValue = u"horizontal", .otherValue = u"horizontal", .secondValue = u"vertical"},
    {Rule::AsTyped, u"target", u"NavigationTarget"},
};
constexpr Step kPolygons[] = {
    {Rule::PositiveInt, u"pause", u"Pause", u"Invalid pause"},
    {Rule::PositiveInt, u"pause2", u"Pause2", u"Invalid pause between drawings"},
    {Rule::Index, u"mode", u"Radio6Index"},
    codeStep(writePolygonSteps, {}, kPolygonSteps),
    codeStep(writeTriangleSteps, {}, kTriangleSteps),
    {Rule::Color, u"color", u"Color"},
};
constexpr Step kProtect[] = {
    {Rule::FileList, u"image", ListFileId::ProtectImages, u"an image name", u"images_number"},
};
constexpr Step kPuzzle[] = {
    {Rule::File, u"image_name", u"Image", u"an image name"},
    {Rule::PositiveInt, u"length", u"LinearSquares", u"Invalid cases number"},
    {Rule::Color, u"empty_color", u"Color"},
    {.rule = Rule::AsTyped, .param = u"link", .source = u"WinningLink", .when = u"WinningLink"},
    {.rule = Rule::AsTyped, .param = u"target", .source = u"PuzzleTarget", .when = u"WinningLink"},
};
constexpr Step kRandomImage[] = {
    {Rule::FileList, u"image", ListFileId::RandomImageImages, u"an image name", u"images_number"},
};
constexpr Step kRandomLink[] = {
    {Rule::File, u"image", u"Image", u"an image name"},
    {Rule::TextList, u"link", ListFileId::RandomLinkLinks, u"a link", u"link_number"},
    {Rule::AsTyped, u"target", u"RandomImageTarget"},
};
constexpr Step kScanImage[] = {
    {Rule::PositiveInt, u"pause", u"Pause", u"Invalid pause"},
    {Rule::PositiveInt, u"r_lim", u"AreaStepLimit", u"Invalid radius limit"},
    {Rule::PositiveInt, u"r_step", u"AreaStep", u"Invalid radius step"},
    {Rule::File, u"image", u"Image", u"an image name"},
};
constexpr Step kScrolling[] = {
    {Rule::PositiveInt, u"text_height", u"TextHeight", u"Invalid height text"},
    {Rule::PositiveInt, u"height_shift", u"TextHeightOffset", u"Invalid height shift"},
    {Rule::PositiveInt, u"pause", u"Pause", u"Invalid pause"},
    {Rule::RequiredText, u"text", u"Text", u"a text"},
    {Rule::PositiveInt, u"step", u"TextStep", u"Invalid step"},
    {Rule::Color, u"text_color", u"Color"},
};
constexpr Step kScrollUpDown[] = {
    {Rule::PositiveInt, u"text_height", u"TextHeight", u"Invalid height text"},
    {Rule::PositiveInt, u"width_shift", u"WidthShift", u"Invalid width offset"},
    {Rule::PositiveInt, u"pause", u"Pause", u"Invalid pause"},
    {Rule::RequiredText, u"text", u"Text", u"a text"},
    {Rule::PositiveInt, u"height_space", u"HeightSpace", u"Invalid height space"},
    {Rule::PositiveInt, u"text_step", u"TextStep", u"Invalid text step"},
    {Rule::Color, u"text_color", u"Color"},
    {.rule = Rule::Choice, .param = u"direction", .source = u"Radio12Index", .firstValue = u"up", .otherValue = u"down"},
};
constexpr Step kSoundPlayer[] = {
    {Rule::PositiveInt, u"pause", u"Pause", u"Invalid pause"},
    {Rule::OptionalText, u"next_label", u"NextLabel"},
    {Rule::OptionalText, u"prev_label", u"PrevLabel"},
    {Rule::OptionalText, u"play_label", u"PlayLabel"},
    {Rule::OptionalText, u"stop_label", u"StopLabel"},
    {Rule::OptionalText, u"prefix", u"Prefix"},
    {Rule::TextList, u"clip_name", ListFileId::SoundPlayerNames, u"at least a clip and a clip name", u"-"},
    {Rule::FileList, u"clip", ListFileId::SoundPlayerLocations, u"at least a clip and a clip name", u"-"},
    {.rule = Rule::Choice, .param = u"auto_play", .source = u"Radio11Index", .firstValue = u"1", .otherValue = u"0"},
};
constexpr Step kStars[] = {
    {Rule::PositiveInt, u"pause", u"Pause", u"Invalid pause"},
    {Rule::PositiveInt, u"number", u"StarsNumber", u"Invalid stars number"},
    {Rule::PositiveInt, u"step_mean", u"StarsMeanStep", u"Invalid mean step"},
    {Rule::Color, u"star_color", u"Color"},
};
constexpr Step kStarsText[] = {
    {Rule::PositiveInt, u"pause", u"Pause", u"Invalid pause"},
    {Rule::PositiveInt, u"number", u"StarsNumber", u"Invalid stars number"},
    {Rule::PositiveInt, u"step_mean", u"StarsMeanStep", u"Invalid mean step"},
    {Rule::PositiveInt, u"text_height", u"TextHeight", u"Invalid height"},
    {Rule::PositiveInt, u"height_step", u"ZoomInStep", u"Invalid zoom in step"},
    {Rule::PositiveInt, u"height_step2", u"ZoomOutStep", u"Invalid zoom out step"},
    {Rule::RequiredText, u"text", u"Text", u"a text"},
    {Rule::Color, u"star_color", u"Color"},
    {.rule = Rule::Flag, .param = u"scrollbar", .source = u"Scrollbar", .firstValue = u"true", .otherValue = u"false"},
};
constexpr Step kStarsText2[] = {
    {Rule::PositiveInt, u"pause", u"Pause", u"Invalid pause"},
    {Rule::PositiveInt, u"number", u"StarsNumber", u"Invalid stars number"},
    {Rule::PositiveInt, u"step_mean", u"StarsMeanStep", u"Invalid mean step"},
    {Rule::PositiveInt, u"text_height", u"TextHeight", u"Invalid height"},
    {Rule::PositiveInt, u"height_step", u"LettersZoomStep", u"Invalid zoom in step"},
    {Rule::PositiveInt, u"height_step2", u"TextZoomStep", u"Invalid zoom out step"},
    {Rule::PositiveInt, u"letters_height", u"LettersInitialHeight", u"Invalid initial height"},
    {Rule::RequiredText, u"text", u"Text", u"a text"},
    {Rule::Color, u"star_color", u"Color"},
    {.rule = Rule::Flag, .param = u"scrollbar", .source = u"Scrollbar", .firstValue = u"true", .otherValue = u"false"},
};
constexpr Step kStatusBarScroller[] = {
    {Rule::RequiredText, u"text", u"Text", u"a text"},
    {Rule::PositiveInt, u"pause", u"Pause", u"Ivalid pause"},
};
constexpr Step kTable[] = {
    {Rule::OptionalText, u"title_row", u"CustomTitleRow"},
    {Rule::PositiveInt, u"border", u"Border", u"Invalid border size"},
    {Rule::File, u"data_file", u"DataFile", u"a data file"},
    {.rule = Rule::Choice, .param = u"skip_first_row", .source = u"Radio15Index", .firstValue = u"1", .otherValue = u"0"},
    {Rule::Index, u"title_mode", u"Radio16Index"},
    {Rule::Color, u"border_color", u"BorderColor"},
    {.rule = Rule::Color, .param = u"background_color2", .source = u"BackgroundColor2", .when = u"Alternated"},
    {Rule::Color, u"columns_color", u"ColumnsColor"},
    codeStep(writeColumnColors, kColumnColorsReads),
};
constexpr Step kTextStream[] = {
    {Rule::PositiveInt, u"text_height", u"TextHeight", u"Invalid height text"},
    {Rule::PositiveInt, u"height_shift", u"TextHeightOffset", u"Invalid height shift"},
    {Rule::PositiveInt, u"pause", u"Pause", u"Invalid pause"},
    {Rule::RequiredText, u"text", u"Text", u"a text"},
    {Rule::PositiveInt, u"pause2", u"EndLinePause", u"Invalid end line pause"},
    {Rule::PositiveInt, u"width_shift", u"TextWidthOffset", u"Invalid width shift"},
    {Rule::Color, u"text_color", u"Color"},
};
constexpr Step kTicTacToe[] = {
    {Rule::File, u"cross", u"PlayerImage", u"a player image name"},
    {Rule::File, u"circle", u"ComputerImage", u"an computer image name"},
    {.rule = Rule::File, .param = u"player_sound_name", .source = u"PlayerSound", .when = u"PlayerSound"},
    {.rule = Rule::File, .param = u"computer_sound_name", .source = u"ComputerSound", .when = u"ComputerSound"},
    {.rule = Rule::File, .param = u"draw_sound_name", .source = u"DrawSound", .when = u"DrawSound"},
    {.rule = Rule::File, .param = u"clic_sound_name", .source = u"ClickSound", .when = u"ClickSound"},
    {Rule::Color, u"border_color", u"Color"},
    {Rule::Index, u"first", u"Radio1Index"},
    {Rule::Index, u"mode", u"Radio2Index"},
};
constexpr Step kWaveText[] = {
    {Rule::PositiveInt, u"text_height", u"TextHeight", u"Invalid height text"},
    {Rule::PositiveInt, u"height_shift", u"TextHeightOffset", u"Invalid height shift"},
    {Rule::PositiveInt, u"pause", u"Pause", u"Invalid pause"},
    {Rule::RequiredText, u"text", u"Text", u"a text"},
    {Rule::PositiveInt, u"amplitude", u"WaveAmplitude", u"Invalid amplitude"},
    {Rule::PositiveInt, u"angle_step", u"AngleStep", u"Invalid angle step"},
    {Rule::PositiveInt, u"phir_step", u"PhaseStep", u"Invalid phase step"},
    {Rule::PositiveInt, u"step", u"TextStep", u"Invalid step"},
    {Rule::Color, u"text_color", u"Color"},
};
constexpr Step kWhoIsVisitor[] = {
    codeStep(writeVisitorScript, {}, kVisitorSteps),
};
constexpr Step kZoom[] = {
    {Rule::PositiveInt, u"pause", u"Pause", u"Invalid pause"},
    {Rule::PositiveInt, u"pause2", u"Pause2", u"Invalid 100% pause"},
    {Rule::PositiveInt, u"step", u"Step", u"Invalid animation step"},
    {Rule::FileList, u"image", ListFileId::ZoomImages, u"an image name", u"image_number"},
};

constexpr KindBlock kBlocks[] = {
    {u"IPViewer", kIPViewer},
    {u"LightOn", kLightOn},
    {u"ListLink", kListLink},
    {u"LoginBox", kLoginBox},
    {u"Memory", kMemory},
    {u"MenuFrame", kMenuFrame},
    {u"MenuPopUp", kMenuPopUp},
    {u"Navigation", kNavigation},
    {u"Polygons", kPolygons},
    {u"Protect", kProtect},
    {u"Puzzle", kPuzzle},
    {u"RandomImage", kRandomImage},
    {u"RandomLink", kRandomLink},
    {u"ScanImage", kScanImage},
    {u"Scrolling", kScrolling},
    {u"ScrollUpDown", kScrollUpDown},
    {u"SoundPlayer", kSoundPlayer},
    {u"Stars", kStars},
    {u"StarsText", kStarsText},
    {u"StarsText2", kStarsText2},
    {u"StatusBarScroller", kStatusBarScroller},
    {u"Table", kTable},
    {u"TextStream", kTextStream},
    {u"TicTacToe", kTicTacToe},
    {u"WaveText", kWaveText},
    {u"WhoIsVisitor", kWhoIsVisitor},
    {u"Zoom", kZoom},
};
// clang-format on

} // namespace

std::span<const KindBlock> otherColumnsBlocks()
{
    return kBlocks;
}

} // namespace morvane::generator
