// The radio image: every record the program reads from and writes to the
// radio, in the radio's own text notation, with the profile values that shape
// them and the market defaults a new image starts with.
#pragma once

#include "model/Records.h"

#include <array>
#include <string>
#include <string_view>

enum class RecordKind {
    Memory, // field 17 runs to the end
    Vfo,
    Call,
    Dtmf,            // field 2 runs to the end
    BandLimit,       // field 0 lower, field 1 upper
    PasteBuffer,     // index ignored
    PasteBufferTail, // index ignored; the requested field runs to the end
    ProgramVfo,
};

enum class TypeField { Market, TypeDigits, Region };

// Width of menu setting index 0..40 (8 for the group link and the power-on
// message, 2 for the contrast, 1 otherwise); 0 for an index outside.
std::size_t MenuSettingWidth(int index);

class RadioImage
{
  public:
    RadioImage() = default;

    // Setters cut text at the member's capacity. An index outside the
    // member's count is ignored, so no caller can write past the image.
    void SetMemoryRecord(int index, std::string_view text);
    void SetVfoRecord(int band, std::string_view text);
    void SetCallRecord(int index, std::string_view text);
    void SetDtmfRecord(int index, std::string_view text);
    void SetProgramVfoRecord(int band, std::string_view text);
    void SetMenuSetting(int index, std::string_view text);
    void SetTypeCode(std::string_view text);
    void SetModel(std::string_view text);
    void SetBandLimit(int band, std::string_view text);
    void SetPasteBuffer(std::string_view text);

    // Whole records; empty for an index outside the member's count.
    const std::string& GetMemoryRecord(int index) const;
    const std::string& GetVfoRecord(int band) const;
    const std::string& GetCallRecord(int index) const;
    const std::string& GetDtmfRecord(int index) const;
    const std::string& GetProgramVfoRecord(int band) const;
    const std::string& GetMenuSetting(int index) const;
    const std::string& TypeCode() const { return typeCode_; }
    const std::string& Model() const { return model_; }
    const std::string& BandLimit(int band) const;
    const std::string& PasteBuffer() const { return pasteBuffer_; }

    // One field of a record (see RecordKind for the fields that run to the
    // end); empty when the field is missing or the kind is unknown.
    std::string GetRecordField(RecordKind kind, int index, int field) const;
    std::string_view RecordFieldView(RecordKind kind, int index, int field) const;

    // Parts of the type code: market letter (second character), type digits
    // (fourth and fifth), region letter (first). Empty when the code is short.
    std::string GetTypeField(TypeField which) const;
    char MarketLetter() const { return typeCode_.size() > 1 ? typeCode_[1] : '\0'; }
    char RegionLetter() const { return typeCode_.empty() ? '\0' : typeCode_[0]; }
    std::string TypeDigits() const { return GetTypeField(TypeField::TypeDigits); }
    // The model that has the 1200 MHz A band (band code 3).
    bool HasBand1200() const { return model_ == "ZT-Q5"; }

    // Empties the memory, DTMF, VFO 0..5 and CALL 0..1 records; type code,
    // model, band limits, menu settings and program VFO records stay.
    void ClearImage();
    // VFO, CALL and program VFO defaults of the configured version.
    void LoadDefaultVfoAndCall();
    // The 41 menu settings' defaults for the model and market.
    void LoadDefaultMenu();
    // The ten information channels of market J (broadcast) or K (weather).
    void LoadInformationChannels();

    bool operator==(const RadioImage&) const = default;

  private:
    std::array<std::string, MemoryCount> memory_{};
    std::array<std::string, VfoCount> vfo_{};
    std::array<std::string, CallCount> call_{};
    std::array<std::string, DtmfCount> dtmf_{};
    std::array<std::string, ProgramVfoCount> programVfo_{};
    std::string typeCode_;
    std::array<std::string, BandLimitCount> bandLimit_{};
    std::string model_;
    std::string pasteBuffer_;
    std::array<std::string, MenuCount> menu_{};
};
