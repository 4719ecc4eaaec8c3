#pragma once

class QString;

// A window that shows that long work runs and offers to cancel it (CommonDialog::
// showProgress). Destroying it closes it.
class ProgressDialog
{
public:
    virtual ~ProgressDialog() = default;

    // What the work does now ("Reading contacts.vcf …").
    virtual void setText(const QString &text) = 0;
};
