#include "generator/kinds/Blocks.h"

using namespace Qt::StringLiterals;

namespace morvane::generator {
namespace {

using catalog::ListFileId;

// The check states run parallel to the texts; only unticked items are named, so the applet
// ticks every item it is not told about.
bool writeUncheckedItems(GenerationContext& ctx)
{
    const QStringList states = ctx.list(ListFileId::CheckBoxLinkStates);
    const qsizetype items = ctx.list(ListFileId::CheckBoxLinkTexts).size();
    for (qsizetype i = 0; i < items && i < states.size(); ++i) {
        if (states.at(i) == u"no") {
            ctx.param(u"checked"_s + QString::number(i + 1), u"no"_s);
        }
    }
    return true;
}

// The applet stores its messages in this file beside the page; it ships empty and need not
// exist yet.
bool addGuestBookFile(GenerationContext& ctx)
{
    ctx.addMedia(u"samples/GuestBook/guestbook.txt"_s);
    return true;
}

constexpr Step kPause = {Rule::PositiveInt, u"pause", u"Pause", u"Invalid pause"};
constexpr Step kFullPause = {Rule::PositiveInt, u"pause2", u"Pause2", u"Invalid 100% pause"};
constexpr Step kAnimationStep = {Rule::PositiveInt, u"step", u"Step", u"Invalid animation step"};
constexpr Step kImageName = {Rule::File, u"image_name", u"Image", u"an image name"};

constexpr Step imageList(ListFileId listFile)
{
    return {Rule::FileList, u"image", listFile, u"an image name", u"image_number"};
}

constexpr Step kButtonLink[] = {
    {Rule::RequiredText, u"text", u"ButtonText", u"a button name"},
    {Rule::PositiveInt, u"button_width", u"ButtonWidth", u"Invalid width"},
    {Rule::PositiveInt, u"button_height", u"ButtonHeight", u"Invalid height"},
    {Rule::RequiredText, u"link", u"ButtonLink", u"a link"},
    {Rule::Color, u"button_color", u"ButtonColor"},
    {Rule::AsTyped, u"target", u"ButtonTarget"},
};

// What writeUncheckedItems() reads besides the check states.
constexpr ListFileId kUncheckedItemsReads[] = {ListFileId::CheckBoxLinkTexts};

constexpr Step kCheckBoxLink[] = {
    {Rule::TextList, u"text", ListFileId::CheckBoxLinkTexts, u"at least a text and a link",
     u"number"},
    {Rule::TextList, u"link", ListFileId::CheckBoxLinkLinks, u"at least a text and a link", u"-"},
    {.rule = Rule::Custom,
     .param = u"checked",
     .source = ListFileId::CheckBoxLinkStates,
     .custom = writeUncheckedItems,
     .reads = kUncheckedItemsReads},
    {Rule::AsTyped, u"target", u"CheckBoxLinkTarget"},
};

constexpr Step kCropImages[] = {
    kPause,
    kFullPause,
    kAnimationStep,
    {Rule::PositiveInt, u"strip_width", u"StripsWidth", u"Invalid strip width"},
    imageList(ListFileId::CropImagesImages),
};

constexpr Step kCropImages2[] = {kPause, kFullPause, kAnimationStep,
                                 imageList(ListFileId::CropImages2Images)};

constexpr Step kCyclingColorsText[] = {
    {Rule::PositiveInt, u"text_height", u"TextHeight", u"Invalid text height"},
    {Rule::PositiveInt, u"height_shift", u"TextHeightOffset", u"Invalid text height offset"},
    {Rule::PositiveInt, u"width_shift", u"TextWidthOffset", u"Invalid text width offset"},
    kPause,
    {Rule::RequiredText, u"text", u"Text", u"a text"},
};

constexpr Step kDateText[] = {
    {Rule::PositiveInt, u"text_height", u"TextHeight", u"Invalid height text"},
    {Rule::PositiveInt, u"height_shift", u"HeightOffset", u"Invalid height shift"},
    {Rule::PositiveInt, u"width_shift", u"WidthOffset", u"Invalid width shift"},
    {Rule::Color, u"text_color", u"Color"},
};

constexpr Step kDeformation[] = {
    kPause,
    {Rule::PositiveInt, u"amplitude", u"Amplitude", u"Invalid amplitude"},
    {Rule::PositiveInt, u"ondulation", u"Ondulation", u"Invalid ondulation"},
    {Rule::File, u"sprite", u"Image", u"an image name"},
};

constexpr Step kFade[] = {
    kPause,
    kFullPause,
    {Rule::PositiveInt, u"frame_number", u"FramesNumber", u"Invalid frames number"},
    imageList(ListFileId::FadeImages),
};

constexpr Step kFlickering[] = {
    {Rule::PositiveInt, u"text_height", u"TextHeight", u"Invalid height text"},
    {Rule::PositiveInt, u"height_shift", u"HeightOffset", u"Invalid height shift"},
    kPause,
    {Rule::RequiredText, u"text", u"Text", u"a text"},
    {Rule::PositiveInt, u"width_shift", u"WidthOffset", u"Invalid width shift"},
    {Rule::Color, u"text_color", u"Color"},
};

constexpr Step kFontImageScrolling[] = {
    {Rule::PositiveInt, u"text_height", u"TextHeight", u"Invalid height text"},
    {Rule::PositiveInt, u"text_step", u"TextStep", u"Invalid text step"},
    kPause,
    {Rule::RequiredText, u"text", u"Text", u"a text"},
    {Rule::RequiredText, u"letters_map", u"LettersMap", u"a letters map"},
    {Rule::File, u"letters_image", u"Image", u"a letters image"},
    {.rule = Rule::Choice,
     .param = u"direction",
     .source = u"Radio13Index",
     .firstValue = u"left",
     .otherValue = u"right"},
};

constexpr Step kGraph[] = {
    {Rule::RequiredText, u"title", u"GraphTitle", u"a graph title"},
    {Rule::RequiredText, u"xlabel_title", u"XAxisLabel", u"a X axis label text"},
    {Rule::RequiredText, u"ylabel_title", u"YAxisLabel", u"a Y axis label text"},
    {Rule::OptionalText, u"xmin", u"XMin"},
    {Rule::OptionalText, u"ymin", u"YMin"},
    {Rule::PositiveInt, u"border", u"Border", u"Invalid border size"},
    {Rule::File, u"data_file", u"DataFile", u"a data file"},
    {.rule = Rule::Choice,
     .param = u"linked",
     .source = u"Radio14Index",
     .firstValue = u"yes",
     .otherValue = u"no"},
    {Rule::Color, u"border_color", u"BorderColor"},
};

constexpr Step kGuestBook[] = {
    {Rule::RequiredText, u"email", u"Email", u"an email name"},
    {Rule::OptionalText, u"text1", u"NameLabel"},
    {Rule::OptionalText, u"text2", u"EmailLabel"},
    {Rule::OptionalText, u"text3", u"MessageBoxLabel"},
    {Rule::OptionalText, u"text4", u"SendButtonLabel"},
    {Rule::OptionalText, u"text5", u"MessageBoxSentLabel"},
    {Rule::OptionalText, u"none", u"NoMessageLabel"},
    {.rule = Rule::Custom, .param = nullptr, .source = nullptr, .custom = addGuestBookFile},
};

constexpr Step kImageAxisRotation[] = {kPause, kImageName};

constexpr Step kImageConvex[] = {
    kPause,
    {Rule::PositiveInt, u"radiusStep", u"RadiusStep", u"Invalid radius step"},
    {Rule::PositiveInt, u"convexStep", u"ConvexityStep", u"Invalid convex step"},
    kImageName,
};

constexpr Step kImageConvex2[] = {
    kPause,
    {Rule::PositiveInt, u"radius", u"Radius", u"Invalid radius"},
    {Rule::PositiveInt, u"convexity", u"Convexity", u"Invalid convexity"},
    kImageName,
};

constexpr Step kImageExtend[] = {
    kPause,
    {Rule::PositiveInt, u"topLeftCorner", u"TopLeftCorner", u"Invalid top left corner"},
    {Rule::PositiveInt, u"topRightCorner", u"TopRightCorner", u"Invalid top right corner"},
    {Rule::PositiveInt, u"bottomRightCorner", u"BottomRightCorner", u"Invalid bottom right corner"},
    {Rule::PositiveInt, u"bottomLeftCorner", u"BottomLeftCorner", u"Invalid bottom left corner"},
    {Rule::AnyInt, u"topLeftStep", u"TopLeftStep", u"Invalid top left step"},
    {Rule::AnyInt, u"topRightStep", u"TopRightStep", u"Invalid top right step"},
    {Rule::AnyInt, u"bottomRightStep", u"BottomRightStep", u"Invalid bottom right step"},
    {Rule::AnyInt, u"bottomLeftStep", u"BottomLeftStep", u"Invalid bottom left step"},
    kImageName,
};

constexpr Step kImageLight[] = {
    kPause,
    {Rule::PositiveInt, u"light_rad", u"LightRadius", u"Invalid radius"},
    {Rule::PositiveInt, u"light_step", u"LightRadiusStep", u"Invalid radius step"},
    kImageName,
    {Rule::Color, u"color", u"Color"},
};

constexpr Step kImageLight2[] = {
    kPause,
    {Rule::PositiveInt, u"radius", u"Radius", u"Invalid radius"},
    kImageName,
    {Rule::Color, u"color", u"Color"},
};

constexpr Step kImagePointer[] = {
    kPause,
    {Rule::File, u"image", u"Image", u"an image name"},
    {.rule = Rule::Choice,
     .param = u"out_visible",
     .source = u"Radio9Index",
     .firstValue = u"yes",
     .otherValue = u"no"},
};

constexpr Step kImageStream[] = {kPause, kFullPause, kAnimationStep,
                                 imageList(ListFileId::ImageStreamImages)};

constexpr Step kImageViewer[] = {
    {Rule::PositiveInt, u"pause2", u"Pause2", u"Invalid delay"},
    {Rule::OptionalText, u"next_label", u"NextLabel"},
    {Rule::OptionalText, u"prev_label", u"PrevLabel"},
    {Rule::OptionalText, u"play_label", u"PlayLabel"},
    {Rule::OptionalText, u"stop_label", u"StopLabel"},
    {Rule::TextList, u"image_name", ListFileId::ImageViewerNames,
     u"at least an image and an image name", u"-"},
    {Rule::FileList, u"image", ListFileId::ImageViewerLocations,
     u"at least an image and an image name", u"-"},
    {.rule = Rule::Choice,
     .param = u"auto_slide",
     .source = u"Radio10Index",
     .firstValue = u"1",
     .otherValue = u"0"},
};

constexpr Step kImageWhirl[] = {
    kPause,
    {Rule::PositiveInt, u"angle_step", u"AngleStep", u"Invalid angle step"},
    kImageName,
};

constexpr KindBlock kBlocks[] = {
    {u"ButtonLink", kButtonLink},
    {u"CheckBoxLink", kCheckBoxLink},
    {u"CropImages", kCropImages},
    {u"CropImages2", kCropImages2},
    {u"CyclingColorsText", kCyclingColorsText},
    {u"DateText", kDateText},
    {u"Deformation", kDeformation},
    {u"Fade", kFade},
    {u"Flickering", kFlickering},
    {u"FontImageScrolling", kFontImageScrolling},
    {u"Graph", kGraph},
    {u"GuestBook", kGuestBook},
    {u"ImageAxisRotation", kImageAxisRotation},
    {u"ImageConvex", kImageConvex},
    {u"ImageConvex2", kImageConvex2},
    {u"ImageExtend", kImageExtend},
    {u"ImageLight", kImageLight},
    {u"ImageLight2", kImageLight2},
    {u"ImagePointer", kImagePointer},
    {u"ImageStream", kImageStream},
    {u"ImageViewer", kImageViewer},
    {u"ImageWhirl", kImageWhirl},
};

} // namespace

std::span<const KindBlock> firstColumnBlocks()
{
    return kBlocks;
}

} // namespace morvane::generator
