#include "platform/PagePdf.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace tavlo {
namespace {

// An A4 page on its side, in PDF points, and the margin a printer needs.
constexpr double kPageWidth = 841.89;
constexpr double kPageHeight = 595.28;
constexpr double kMargin = 36;

std::string Compressed(const std::string& bytes) {
  uLongf size = compressBound(static_cast<uLong>(bytes.size()));
  std::string out(size, '\0');
  if (compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uLong>(bytes.size()),
                Z_BEST_COMPRESSION) != Z_OK) {
    return {};
  }
  out.resize(size);
  return out;
}

std::string Format(const char* format, double a, double b, double c, double d) {
  char text[128];
  std::snprintf(text, sizeof text, format, a, b, c, d);
  return text;
}

// Collects the numbered objects and writes the cross-reference table that
// tells a reader where each one starts.
class PdfWriter {
 public:
  void Add(const std::string& object) {
    offsets_.push_back(out_.size());
    out_ += std::to_string(offsets_.size()) + " 0 obj\n" + object + "\nendobj\n";
  }
  std::string Finish() {
    const size_t table = out_.size();
    out_ += "xref\n0 " + std::to_string(offsets_.size() + 1) + "\n0000000000 65535 f \n";
    for (const size_t offset : offsets_) {
      char entry[24];
      std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
      out_ += entry;
    }
    out_ += "trailer\n<< /Size " + std::to_string(offsets_.size() + 1) +
            " /Root 1 0 R >>\nstartxref\n" + std::to_string(table) + "\n%%EOF\n";
    return out_;
  }

 private:
  std::string out_ = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
  std::vector<size_t> offsets_;
};

std::string Stream(const std::string& dictionary, const std::string& data) {
  return "<< " + dictionary + " /Length " + std::to_string(data.size()) + " >>\nstream\n" + data +
         "\nendstream";
}

}  // namespace

std::string PagePdf(const Surface& picture) {
  const int width = std::max(picture.Width(), 1);
  const int height = std::max(picture.Height(), 1);
  std::string pixels;
  pixels.reserve(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Color color = picture.Empty() ? kWhite : picture.GetPixel(x, y);
      pixels += static_cast<char>(RedOf(color));
      pixels += static_cast<char>(GreenOf(color));
      pixels += static_cast<char>(BlueOf(color));
    }
  }
  const double scale = std::min((kPageWidth - 2 * kMargin) / width,
                                (kPageHeight - 2 * kMargin) / height);
  const double shown_width = width * scale;
  const double shown_height = height * scale;
  const std::string drawing =
      Format("q %.2f 0 0 %.2f %.2f %.2f cm /Page Do Q", shown_width, shown_height,
             (kPageWidth - shown_width) / 2, (kPageHeight - shown_height) / 2);

  PdfWriter pdf;
  pdf.Add("<< /Type /Catalog /Pages 2 0 R >>");
  pdf.Add("<< /Type /Pages /Kids [3 0 R] /Count 1 >>");
  pdf.Add(Format("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 %.2f %.2f] ", kPageWidth,
                 kPageHeight, 0, 0) +
          "/Resources << /XObject << /Page 5 0 R >> >> /Contents 4 0 R >>");
  pdf.Add(Stream("", drawing));
  pdf.Add(Stream("/Type /XObject /Subtype /Image /Width " + std::to_string(width) + " /Height " +
                     std::to_string(height) +
                     " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /FlateDecode",
                 Compressed(pixels)));
  return pdf.Finish();
}

}  // namespace tavlo
