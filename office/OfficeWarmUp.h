#pragma once

// Internal to the office engine: included by its .cpp files only.

#include <QByteArray>
#include <QString>

#include <com/sun/star/frame/XDesktop2.hpp>

#include <memory>

class OfficeDocument;

// A new office's first load, save and layout of a Word file are much slower than later
// ones: the warm-up does one small job of each kind on a private copy of the document, in
// scratchFolder, closing each document again, so that a build's first real ones are not
// slowed by loading the filters. With keepOpen it returns the copy opened once more, for
// the build to take over; otherwise nothing. Nothing is done when the copy cannot be
// written. Throws OfficeError when the office fails a job.
namespace OfficeWarmUp {

std::unique_ptr<OfficeDocument> run(const css::uno::Reference<css::frame::XDesktop2> &desktop,
                                    const QString &scratchFolder, const QByteArray &content, bool keepOpen);

} // namespace OfficeWarmUp
