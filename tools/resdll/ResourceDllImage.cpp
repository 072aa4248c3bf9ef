#include "ResourceDllImage.h"

#include <string>

namespace talmo {

namespace {

constexpr uint16_t kMachineArm = 0x01C0;
constexpr uint16_t kSubsystemWindowsCeGui = 9;
// Executable image, line numbers and local symbols stripped, 32-bit, DLL.
constexpr uint16_t kDllCharacteristics = 0x0002 | 0x0004 | 0x0008 | 0x0100 | 0x2000;
constexpr uint32_t kImageBase = 0x10000000;
constexpr uint32_t kSectionAlignment = 0x1000;
constexpr uint32_t kFileAlignment = 0x200;
constexpr uint16_t kOptionalHeaderSize = 224;
constexpr uint32_t kDataDirectoryCount = 16;
constexpr uint32_t kResourceDirectory = 2;
// Initialised data, readable.
constexpr uint32_t kResourceSectionCharacteristics = 0x00000040 | 0x40000000;

// A DOS program that prints a line and exits, in case the file is run there.
Bytes DosStub()
{
    const std::string message = "Talmo resource library for Windows CE devices.\r\n$";
    Bytes code = {
        0x0E,             // push cs
        0x1F,             // pop ds
        0xBA, 0x0E, 0x00, // mov dx, message
        0xB4, 0x09,       // mov ah, 9
        0xCD, 0x21,       // int 21h
        0xB8, 0x01, 0x4C, // mov ax, 4C01h
        0xCD, 0x21,       // int 21h
    };
    for (char character : message)
        AppendU8(code, uint8_t(character));
    AppendZeros(code, AlignUp(code.size(), 8) - code.size());
    return code;
}

Bytes DosHeader(uint32_t fileSize)
{
    Bytes header;
    AppendU8(header, 'M');
    AppendU8(header, 'Z');
    AppendU16(header, uint16_t(fileSize % 512));
    AppendU16(header, uint16_t((fileSize + 511) / 512));
    AppendU16(header, 0);      // relocations
    AppendU16(header, 4);      // header paragraphs
    AppendU16(header, 0);      // minimum extra paragraphs
    AppendU16(header, 0xFFFF); // maximum extra paragraphs
    AppendU16(header, 0);      // ss
    AppendU16(header, 0xB8);   // sp
    AppendU16(header, 0);      // checksum
    AppendU16(header, 0);      // ip
    AppendU16(header, 0);      // cs
    AppendU16(header, 0x40);   // relocation table
    AppendZeros(header, 60 - header.size());
    AppendU32(header, 0); // e_lfanew, set below
    return header;
}

Bytes OptionalHeader(uint32_t resourceAddress)
{
    Bytes header;
    AppendU16(header, 0x10B);
    AppendU8(header, 1); // linker version 1.0
    AppendU8(header, 0);
    AppendZeros(header, 12);                  // code and data sizes: the layout fills them
    AppendU32(header, 0);                     // no entry point
    AppendU32(header, resourceAddress);       // base of code: there is none
    AppendU32(header, resourceAddress);       // base of data
    AppendU32(header, kImageBase);
    AppendU32(header, kSectionAlignment);
    AppendU32(header, kFileAlignment);
    for (uint16_t version : {4, 20, 1, 0, 4, 20}) // operating system, image, subsystem
        AppendU16(header, version);
    AppendU32(header, 0);                    // Win32 version value
    AppendZeros(header, 12);                 // image size, header size, checksum: the layout fills them
    AppendU16(header, kSubsystemWindowsCeGui);
    AppendU16(header, 0);                    // DLL characteristics
    for (uint32_t size : {0x10000u, 0x1000u, 0x100000u, 0x1000u}) // stack and heap
        AppendU32(header, size);
    AppendU32(header, 0);                    // loader flags
    AppendU32(header, kDataDirectoryCount);
    for (uint32_t i = 0; i < kDataDirectoryCount; ++i) {
        AppendU32(header, i == kResourceDirectory ? resourceAddress : 0);
        AppendU32(header, i == kResourceDirectory ? 16 : 0);
    }
    return header;
}

Bytes SectionHeader(uint32_t address, uint32_t filePosition)
{
    Bytes header = {'.', 'r', 's', 'r', 'c', 0, 0, 0};
    AppendU32(header, 16);             // virtual size: the empty root directory
    AppendU32(header, address);
    AppendU32(header, kFileAlignment); // raw size
    AppendU32(header, filePosition);
    AppendZeros(header, 12);           // relocations and line numbers
    AppendU32(header, kResourceSectionCharacteristics);
    return header;
}

} // namespace

Bytes ResourceDllImage::Empty()
{
    const uint32_t resourceAddress = kSectionAlignment;
    const Bytes stub = DosStub();
    Bytes image = DosHeader(0);
    AppendBytes(image, stub);
    PutU32(image, 60, uint32_t(image.size()));
    AppendU8(image, 'P');
    AppendU8(image, 'E');
    AppendU16(image, 0);
    AppendU16(image, kMachineArm);
    AppendU16(image, 1);       // sections
    AppendU32(image, 0);       // time stamp: builds are reproducible
    AppendU32(image, 0);       // symbol table
    AppendU32(image, 0);       // symbols
    AppendU16(image, kOptionalHeaderSize);
    AppendU16(image, kDllCharacteristics);
    AppendBytes(image, OptionalHeader(resourceAddress));
    const uint32_t filePosition = uint32_t(AlignUp(image.size() + 40, kFileAlignment));
    AppendBytes(image, SectionHeader(resourceAddress, filePosition));
    AppendZeros(image, filePosition - image.size());
    AppendZeros(image, kFileAlignment); // the section: an empty root directory and padding
    const Bytes dos = DosHeader(uint32_t(image.size()));
    std::copy(dos.begin(), dos.begin() + 60, image.begin());
    return image;
}

} // namespace talmo
