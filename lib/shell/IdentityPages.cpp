#include "SharedPages.h"

#include "dictionaries/EDSTextHelper.h"

namespace corvid::pages {

void AddFileRows(PageBuilder& page, const DeviceNetFileSection& file) {
    page.AddKeyword("DescText", TextCell(file.DescText));
    page.AddKeyword("CreateDate", TextCell(file.CreateDate));
    page.AddKeyword("CreateTime", TextCell(file.CreateTime));
    page.AddKeyword("ModDate", TextCell(file.ModDate));
    page.AddKeyword("ModTime", TextCell(file.ModTime));
    page.AddKeyword("Revision", TextCell(file.Revision));
}

void AddDeviceRows(PageBuilder& page, const DeviceNetDeviceSection& device) {
    const auto revision = [&page](uint8_t value) {
        return page.DropDownCell(
            std::to_string(value), "0-255", [] { return DecimalItems(0, 255); }, kFlagListWidth);
    };
    page.AddKeyword("VendCode", TextCell(std::to_string(device.VendCode)));
    page.AddKeyword("VendName", TextCell(device.VendName));
    page.AddKeyword("ProdType", TextCell(std::to_string(device.ProdType)));
    page.AddKeyword("ProdTypeStr", TextCell(device.ProdTypeStr));
    // Product codes are hexadecimal in the file; the page shows them alike.
    page.AddKeyword("ProdCode", TextCell(FormatHex16(device.ProdCode)));
    page.AddKeyword("MajRev", revision(device.MajRev));
    page.AddKeyword("MinRev", revision(device.MinRev));
    page.AddKeyword("ProdName", TextCell(device.ProdName));
    page.AddKeyword("Catalog", TextCell(device.Catalog));
}

} // namespace corvid::pages
