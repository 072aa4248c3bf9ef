; A skin for the tests: the setup part above the code part is not taken.
[Setup]
WizardImageFile=Test.bmp

[code]
var
  TestBadge: TBitmapImage;

procedure TestPaint();
begin
  WizardForm.Color := clWhite;
end;

procedure InitializeWizard();
var
  TestCount: Integer;
begin
  TestCount := 0;
  if TestCount = 0 then
  begin
    try
      TestPaint();
    except
      TestCount := 1;
    end;
  end;
  TestBadge := TBitmapImage.Create(WizardForm);
end;

procedure CurPageChanged(CurPageID: Integer); begin
  TestBadge.Visible := CurPageID = wpWelcome;
end;

procedure TestOther(CurPageChangedToo: Integer);
var
  Unused: Integer;
begin
  Unused := CurPageChangedToo;
end;
