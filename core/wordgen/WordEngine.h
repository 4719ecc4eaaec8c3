#pragma once

#include "core/wordgen/WordApplication.h"

#include <QByteArray>

#include <memory>

// Creates office instances: CreateObject("Word.Application"). The program uses the
// LibreOffice engine; tests of the callers use a fake one.
class WordEngine
{
public:
    virtual ~WordEngine() = default;

    // A new, invisible instance of its own. Throws OfficeError when none can be started.
    virtual std::unique_ptr<WordApplication> createApplication() = 0;

    // Gets the next instances ready ahead of need, in the background, so that a build does
    // not wait for an office to start: the first instance handed out next has the document
    // given already open (a template opens as a new document based on it), as opening that
    // file would have it; the one after it has started. Every instance handed out is still
    // a fresh one that has served nobody. An engine that cannot does nothing.
    virtual void prepareAhead(const QByteArray &documentToOpen) { (void)documentToOpen; }

    // Starts one instance in the background at once, for the next createApplication() to
    // hand out: the program's start does not wait for the office while it builds its
    // windows. An engine that cannot does nothing.
    virtual void startInstanceAhead() {}
    // The device pixels of a screen pixel, on the screen with the most, that the page
    // pictures made from now on are for (copyAsPicture): the window layer, which knows the
    // screens, says; one until it does. An engine whose pictures do not depend on it
    // ignores it.
    virtual void setPagePixelRatio(double ratio) { (void)ratio; }

    // Takes back an instance createApplication() made that has done nothing since, to hand
    // it out again as the first ready one. An engine that cannot keep it ends it.
    virtual void keepUnused(std::unique_ptr<WordApplication> application)
    {
        if (application)
            application->quit();
    }
};
