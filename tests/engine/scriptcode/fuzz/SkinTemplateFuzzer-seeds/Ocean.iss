; Ocean: a setup skin for Talmo, in sea blues with a button badge.
;
; Talmo uses only the code section below. The body of the wizard start-up
; procedure there becomes the start of the generated one; every other line
; is copied into the generated script as it stands, and the page-change
; procedure gets a call of the generated page-change code after its first
; begin line. The skin's bitmaps sit beside this file: Ocean.bmp for the
; wizard images and button.bmp for the badge.
;
; When editing: name the start-up procedure on its head line only, put each
; begin and each end of its body on a line of its own (no try blocks, no
; "end else begin"), and start every identifier of your own with Ocean.

[Code]
const
  OceanDeepBlue = $00602808;
  OceanShallowBlue = $00E0C8A0;
  OceanFoam = $00FAF4EC;

var
  OceanBadge: TBitmapImage;

procedure OceanColourPages();
begin
  WizardForm.Color := OceanShallowBlue;
  WizardForm.MainPanel.Color := OceanFoam;
  WizardForm.WelcomePage.Color := OceanFoam;
  WizardForm.InnerPage.Color := OceanFoam;
  WizardForm.FinishedPage.Color := OceanFoam;
  WizardForm.PageNameLabel.Font.Color := OceanDeepBlue;
  WizardForm.WelcomeLabel1.Font.Color := OceanDeepBlue;
  WizardForm.FinishedHeadingLabel.Font.Color := OceanDeepBlue;
end;

procedure InitializeWizard();
var
  OceanBadgeFile: String;
begin
  OceanColourPages();
  ExtractTemporaryFile('button.bmp');
  OceanBadgeFile := ExpandConstant('{tmp}\button.bmp');
  OceanBadge := TBitmapImage.Create(WizardForm);
  OceanBadge.Parent := WizardForm;
  OceanBadge.AutoSize := True;
  OceanBadge.Left := ScaleX(12);
  OceanBadge.Top := WizardForm.CancelButton.Top;
  OceanBadge.Visible := False;
  if FileExists(OceanBadgeFile) then
  begin
    OceanBadge.Bitmap.LoadFromFile(OceanBadgeFile);
    OceanBadge.Visible := True;
  end;
end;

procedure CurPageChanged(CurPageID: Integer);
begin
  OceanBadge.Visible := (CurPageID <> wpFinished) and not OceanBadge.Bitmap.Empty;
end;
